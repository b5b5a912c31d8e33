// How quickly the finder on the page answers, on made-up catalogues of 1,000 and 100,000 ships.
// Not a test: run by hand from the repository root after a build of the site:
//   node web/build.mjs build-web/site build-web/web build-web/web-tests && node build-web/web-tests/finder-bench.js
// Prints, a row a catalogue: a requirement changed until its rows are painted (the median of
// five), the core's search alone for the same query in the same page, and the longest task the
// page's own thread ran meanwhile.
import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import type { Page } from 'puppeteer-core';
import type { QueryTexts } from '../core.js';
import { openPlanner, startSession } from './browser.js';
import { makeCatalogue, seeded } from './catalogue.js';

interface Figures {
  rows: number;
  painted: number; // ms, input to painted rows
  search: number; // ms, core.findBuilds alone
  longest: number; // ms, the longest task of the page's thread while the rows came
}

const median = (values: number[]) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)]!;

// Types a requirement and waits for its rows to be painted; returns the time and the longest task.
function changeRequirement(page: Page, value: string): Promise<{ painted: number; longest: number }> {
  return page.evaluate(async (value) => {
    const table = document.querySelector('[data-name=ResultView]')!;
    const edit = document.querySelector('[data-name=MinLSailEdit]') as HTMLInputElement;
    let longest = 0;
    const observer = new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) longest = Math.max(longest, entry.duration);
    });
    observer.observe({ type: 'longtask' });
    const start = performance.now();
    const shown = new Promise<void>((resolve) => {
      const watch = new MutationObserver(() => {
        if (table.getAttribute('aria-busy') === 'false') {
          watch.disconnect();
          resolve();
        }
      });
      watch.observe(table, { attributes: true, attributeFilter: ['aria-busy'] });
    });
    edit.value = value;
    edit.dispatchEvent(new Event('input', { bubbles: true }));
    await shown;
    // Painted: the frame after the rows, and the task after that frame.
    await new Promise<void>((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
    const painted = performance.now() - start;
    await new Promise((resolve) => setTimeout(resolve, 50)); // the observer's last entries
    observer.disconnect();
    return { painted, longest };
  }, value);
}

// The core's search alone, on the pair the page keeps (the same bytes), in a core of its own.
function searchAlone(page: Page, query: QueryTexts): Promise<{ search: number; rows: number }> {
  return page.evaluate(async (query) => {
    const pair = await new Promise<{ ships: Uint8Array; materials: Uint8Array }>((resolve, reject) => {
      const open = indexedDB.open('shipplanner');
      open.onerror = () => reject(open.error);
      open.onsuccess = () => {
        const get = open.result.transaction('data').objectStore('data').get('own');
        get.onsuccess = () => resolve(get.result as { ships: Uint8Array; materials: Uint8Array });
        get.onerror = () => reject(get.error);
      };
    });
    const url = new URL('shipplanner_web.js', location.href).href;
    const module = (await import(url)) as typeof import('../core.js');
    const core = await module.default({ locateFile: (path) => new URL(path, url).href });
    core.loadData(pair.ships, pair.materials);
    const times: number[] = [];
    let rows = 0;
    for (let i = 0; i < 3; ++i) {
      const start = performance.now();
      rows = core.findBuilds(query).rows.length / 7;
      times.push(performance.now() - start);
    }
    return { search: times.sort((a, b) => a - b)[1]!, rows };
  }, query);
}

async function measure(page: Page, folder: string, size: number, everyMaterial: boolean): Promise<Figures> {
  const data = makeCatalogue(seeded(size), size);
  await writeFile(join(folder, 'ship_varietion.csv'), data.ships);
  await writeFile(join(folder, 'ship_material.csv'), data.materials);
  await openPlanner(page, page.url());
  const input = (await page.$('input[data-name=DataFilesInput]'))!;
  await input.uploadFile(join(folder, 'ship_varietion.csv'), join(folder, 'ship_material.csv'));
  await page.waitForFunction((n) => document.querySelector('[data-name=MessageText]')?.textContent?.includes(`船種 ${n}`),
                             { timeout: 120000 }, size);
  await page.click('[data-name=FindBuildsButton]');
  if (everyMaterial) await page.click('[data-name=EveryMaterialCheckBox]');
  await page.waitForSelector('[data-name=ResultView][aria-busy=false]', { timeout: 120000 });
  const painted: number[] = [];
  let longest = 0;
  for (let i = 0; i < 5; ++i) {
    const figures = await changeRequirement(page, String(1 + i % 2));
    painted.push(figures.painted);
    longest = Math.max(longest, figures.longest);
  }
  const query: QueryTexts = { adventure: true, trade: true, combat: true, required: ['1', '', '', '', '', '', ''],
    lowestPercent: '0', highestPercent: '30', goal: 0, everyMaterial };
  const alone = await searchAlone(page, query);
  await page.click('[data-name=FindBuildsButton]');
  return { rows: alone.rows, painted: median(painted), search: alone.search, longest };
}

const folder = await mkdtemp(join(tmpdir(), 'shipplanner-bench-'));
const session = await startSession();
try {
  const page = await session.newPage(1280, 800);
  await openPlanner(page, session.site.url);
  const lines = [['catalogue', 'rows', 'painted (ms)', 'search alone (ms)', 'longest task (ms)']];
  for (const [size, every] of [[1000, false], [100000, true]] as const) {
    const f = await measure(page, folder, size, every);
    lines.push([`${size} ships${every ? ', every material' : ''}`, String(f.rows), f.painted.toFixed(0),
                f.search.toFixed(0), f.longest.toFixed(0)]);
  }
  const widths = lines[0]!.map((_, c) => Math.max(...lines.map((l) => l[c]!.length)));
  for (const line of lines) console.log(line.map((cell, c) => (c === 0 ? cell.padEnd(widths[c]!) : cell.padStart(widths[c]!))).join('  '));
} finally {
  await session.close();
  await rm(folder, { recursive: true, force: true });
}
