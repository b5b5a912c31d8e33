// Makes the site folder and compiles the browser tests.
// Usage: node build.mjs SITE_DIR CORE_DIR [TESTS_DIR]
// CORE_DIR holds shipplanner_web.js and shipplanner_web.wasm, as the web preset builds them.
import { build } from 'esbuild';
import { copyFile, mkdir, readdir, rm, symlink, writeFile } from 'node:fs/promises';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const [site, core, tests] = process.argv.slice(2).map((path) => resolve(path));
if (site === undefined || core === undefined) {
  console.error('usage: node build.mjs SITE_DIR CORE_DIR [TESTS_DIR]');
  process.exit(2);
}

await rm(site, { recursive: true, force: true });
await mkdir(join(site, 'data'), { recursive: true });
await build({
  entryPoints: [join(here, 'page/main.ts')],
  outfile: join(site, 'main.js'),
  bundle: true,
  format: 'esm',
  target: ['es2020', 'chrome91', 'firefox90', 'safari15'],
  minify: true,
  logLevel: 'warning',
});
const copies = [
  [join(here, 'page/index.html'), 'index.html'],
  [join(here, 'page/style.css'), 'style.css'],
  [join(core, 'shipplanner_web.js'), 'shipplanner_web.js'],
  [join(core, 'shipplanner_web.wasm'), 'shipplanner_web.wasm'],
  [join(here, '../data/ship_varietion.csv'), 'data/ship_varietion.csv'],
  [join(here, '../data/ship_material.csv'), 'data/ship_material.csv'],
];
await Promise.all(copies.map(([from, to]) => copyFile(from, join(site, to))));

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
