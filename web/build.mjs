// Makes the site folder and compiles the browser tests.
// Usage: node build.mjs SITE_DIR CORE_DIR [TESTS_DIR]
// CORE_DIR holds shipplanner_web.js and shipplanner_web.wasm, as the web preset builds them.
import { build } from 'esbuild';
import { execFile } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFile, mkdir, readdir, readFile, rm, symlink, writeFile } from 'node:fs/promises';
import { dirname, join, relative, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';

const here = dirname(fileURLToPath(import.meta.url));
const [site, core, tests] = process.argv.slice(2).map((path) => resolve(path));
if (site === undefined || core === undefined) {
  console.error('usage: node build.mjs SITE_DIR CORE_DIR [TESTS_DIR]');
  process.exit(2);
}

await rm(site, { recursive: true, force: true });
await mkdir(join(site, 'data'), { recursive: true });
const forBrowsers = {
  bundle: true,
  format: 'esm',
  target: ['es2020', 'chrome91', 'firefox90', 'safari15'],
  minify: true,
  logLevel: 'warning',
};
// The page and the finder's worker, each a file of its own.
await build({
  ...forBrowsers,
  entryPoints: { main: join(here, 'page/main.ts'), worker: join(here, 'page/worker.ts') },
  outdir: site,
});
const icon = join(here, '../packaging/shipplanner.svg');
await Promise.all([192, 512].map((size) => promisify(execFile)('rsvg-convert',
  ['-w', String(size), '-h', String(size), '-o', join(site, `icon-${size}.png`), icon])));
const copies = [
  [join(here, 'page/index.html'), 'index.html'],
  [join(here, 'page/style.css'), 'style.css'],
  [join(here, 'page/manifest.webmanifest'), 'manifest.webmanifest'],
  [icon, 'shipplanner.svg'],
  [join(core, 'shipplanner_web.js'), 'shipplanner_web.js'],
  [join(core, 'shipplanner_web.wasm'), 'shipplanner_web.wasm'],
  [join(here, '../data/ship_varietion.csv'), 'data/ship_varietion.csv'],
  [join(here, '../data/ship_material.csv'), 'data/ship_material.csv'],
];
await Promise.all(copies.map(([from, to]) => copyFile(from, join(site, to))));

// The service worker keeps every other file, in a cache named by a hash of them all: any change
// to the site changes sw.js, which is how a browser learns of a new version.
async function filesIn(folder) {
  const entries = await readdir(folder, { withFileTypes: true });
  const nested = await Promise.all(entries.map((e) => e.isDirectory() ? filesIn(join(folder, e.name)) : [join(folder, e.name)]));
  return nested.flat();
}
const files = (await filesIn(site)).map((path) => relative(site, path).split(sep).join('/')).sort();
const hash = createHash('sha256');
for (const file of files) hash.update(`${file}\0`).update(await readFile(join(site, file)));
await build({
  ...forBrowsers,
  format: 'iife',
  entryPoints: [join(here, 'page/sw.ts')],
  outfile: join(site, 'sw.js'),
  define: { SiteVersion: JSON.stringify(hash.digest('hex').slice(0, 16)), SiteFiles: JSON.stringify(['./', ...files]) },
});

if (tests !== undefined) {
  await rm(tests, { recursive: true, force: true });
  await mkdir(tests, { recursive: true });
  const sources = (await readdir(join(here, 'tests'))).filter((name) => name.endsWith('.ts'));
  await build({
    entryPoints: sources.map((name) => join(here, 'tests', name)),
    outdir: tests,
    bundle: true,
    platform: 'node',
    format: 'esm',
    target: 'node20',
    packages: 'external',
    logLevel: 'warning',
  });
  // The compiled tests find the page's packages where npm put them.
  await writeFile(join(tests, 'package.json'), '{ "type": "module" }\n');
  await symlink(join(here, 'node_modules'), join(tests, 'node_modules'));
}
