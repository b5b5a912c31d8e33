// The build finder on the page, driven through its pinned names and checked against a core of
// the test's own in the same page: a property on made-up catalogues, then a table of cases.
import assert from 'node:assert/strict';
import type { Page } from 'puppeteer-core';
import type { QueryTexts } from '../core.js';
import { copiedTexts, describeCases, dropFiles, openPlanner, text, type Case } from './browser.js';
import { makeCatalogue, seeded, type Catalogue } from './catalogue.js';

const Required = ['MinLSailEdit', 'MinSSailEdit', 'MinStrengthEdit', 'MinCabinsEdit', 'MinPortsEdit', 'MinHoldEdit',
  'MaxPriceEdit'];
const AtFirst: QueryTexts = { adventure: true, trade: true, combat: true, required: Array(7).fill(''),
  lowestPercent: '0', highestPercent: '30', goal: 0, everyMaterial: false };
const Worked: QueryTexts = { ...AtFirst, required: ['120', '120', '', '20', '10', '150', ''] }; // the README's
const Price = 7; // the price's column in a copied build
type Sorts = [column: number, descending: boolean][];

const settled = (page: Page) => page.waitForSelector('[data-name=ResultView][aria-busy=false]');
const shownCells = (page: Page, selector = '[aria-rowindex]') => page.$$eval(`[data-name=ResultView] tbody tr${selector}`,
  (rows) => rows.map((row) => [...(row as HTMLTableRowElement).cells].map((cell) => cell.textContent ?? '')));
const row = (i: number) => `[data-name=ResultView] tr[aria-rowindex="${i + 2}"]`;

async function openFinder(page: Page): Promise<void> {
  await page.click('[data-name=FindBuildsButton]');
  await settled(page);
}

// Every control set at once, then one input event, as a change in any of them makes.
async function ask(page: Page, q: QueryTexts, wait = true): Promise<void> {
  await page.evaluate((q, required) => {
    const named = (name: string) => document.querySelector(`[data-name=${name}]`) as HTMLInputElement;
    const values = { LowestPercentEdit: q.lowestPercent, HighestPercentEdit: q.highestPercent, GoalComboBox: String(q.goal),
                     ...Object.fromEntries(required.map((name, i) => [name, q.required[i]!])) };
    const checks = { FindAdventureCheckBox: q.adventure, FindTradeCheckBox: q.trade, FindCombatCheckBox: q.combat,
                     EveryMaterialCheckBox: q.everyMaterial };
    for (const [name, value] of Object.entries(values)) named(name).value = value;
    for (const [name, value] of Object.entries(checks)) named(name).checked = value;
    named('EveryMaterialCheckBox').dispatchEvent(new Event('input', { bubbles: true }));
  }, q, Required);
  if (wait) await settled(page);
}

async function sortBy(page: Page, column: number): Promise<void> {
  await page.click(`[data-name=ResultView] th:nth-child(${column + 1}) button`);
  await settled(page);
}

// What the core itself finds for a query on the sample (or the given files), sorted in turn:
// the message, the build text of every row, and the first rows' cells.
function answer(page: Page, q: QueryTexts, sorts: Sorts = [], data?: Catalogue) {
  return page.evaluate(async (q, sorts, data) => {
    const held = window as unknown as { testCore?: import('../core.js').Core };
    const url = new URL('shipplanner_web.js', location.href).href;
    const module = (await import(url)) as typeof import('../core.js');
    const core = held.testCore ??= await module.default({ locateFile: (path) => new URL(path, url).href });
    const read = async (name: string) => new Uint8Array(await (await fetch(`data/${name}`)).arrayBuffer());
    core.loadData(data ? new Uint8Array(data.ships) : await read('ship_varietion.csv'),
                  data ? new Uint8Array(data.materials) : await read('ship_material.csv'));
    let { rows, message } = core.findBuilds(q);
    for (const [column, descending] of sorts) rows = core.sortRows(rows, column, descending);
    const builds = [];
    for (let i = 0; i < rows.length; i += 7)
      builds.push({ ship: rows[i]!, build: { material: rows[i + 1]!, percent: rows[i + 2]!, cabins: rows[i + 3]!, ports: rows[i + 4]! } });
    return { message, count: builds.length, text: core.buildsText(builds),
             cells: builds.slice(0, 30).map((b) => core.rowCells(b.ship, b.build)) };
  }, q, sorts, data && { ships: [...data.ships], materials: [...data.materials] });
}

// The rows in the page are the answer's first ones, and the count is the answer's.
async function showsAnswer(page: Page, expected: Awaited<ReturnType<typeof answer>>): Promise<void> {
  const shown = await shownCells(page);
  assert.ok(shown.length > 0 || expected.count === 0);
  assert.deepEqual([shown, await text(page, 'ResultCountText')], [expected.cells.slice(0, shown.length), `${expected.count} 件`]);
}

async function copyAll(page: Page): Promise<string> {
  const before = (await copiedTexts(page)).length;
  await page.click('[data-name=CopyResultsButton]');
  await page.waitForFunction((n) => (window as unknown as { copiedTexts: string[] }).copiedTexts.length > n, {}, before);
  return (await copiedTexts(page)).at(-1)!;
}

async function dropCatalogue(page: Page, data: Catalogue): Promise<void> {
  await dropFiles(page, data.ships, data.materials);
  await page.waitForFunction(() => document.querySelector('[data-name=DataSourceText]')?.textContent?.includes('自分'));
  await settled(page);
}

const cases: Case[] = [
  {
    name: 'the worker\'s rows and messages are the core\'s own, on made-up catalogues, sorted or not, the newest query winning',
    async run(page) {
      await openFinder(page);
      for (const seed of [1, 2, 3]) {
        const random = seeded(seed);
        const int = (low: number, high: number) => low + Math.floor(random() * (high - low + 1));
        const data = makeCatalogue(random, int(3, 40));
        await dropCatalogue(page, data);
        for (let k = 0; k < 4; ++k) {
          const lowest = int(-40, 30);
          const q: QueryTexts = {
            adventure: random() < 0.8, trade: random() < 0.8, combat: random() < 0.8,
            required: Required.map((_, i) => (random() < 0.25 ? String(i === 6 ? int(1000, 300000) : int(0, 200)) : '')),
            lowestPercent: String(lowest), highestPercent: String(k === 0 ? lowest - 1 : lowest + int(0, 60)), // the first refused
            goal: int(0, 5), everyMaterial: random() < 0.5,
          };
          await page.$eval('[data-name=MessageText]', (e) => { e.textContent = ''; });
          await ask(page, { ...q, everyMaterial: true, lowestPercent: '-1000', highestPercent: '1000' }, false);
          await ask(page, q);
          const sorts: Sorts = [];
          for (const column = int(0, 31); sorts.length < 2 && random() < 0.6;) {
            await sortBy(page, column);
            sorts.push([column, sorts.length > 0]);
          }
          const expected = await answer(page, q, sorts, data);
          const why = `seed ${seed}, query ${k}: ${JSON.stringify(q)} sorted ${JSON.stringify(sorts)}`;
          if (k === 0) assert.notEqual(expected.message, '', why);
          assert.equal(await text(page, 'MessageText'), expected.message, why);
          assert.equal(await text(page, 'ResultCountText'), `${expected.count} 件`, why);
          assert.equal(await copyAll(page), expected.text, why);
        }
      }
    },
  },
  {
    name: 'the README\'s query, typed, leaves its 30 rows; the goal and per material reorder them',
    async run(page) {
      await openFinder(page);
      for (const [i, name] of Required.entries())
        if (Worked.required[i] !== '') await page.type(`[data-name=${name}]`, Worked.required[i]!);
      await settled(page);
      const expected = await answer(page, Worked);
      await showsAnswer(page, expected);
      assert.deepEqual([expected.count, ...[0, 1, 2, Price].map((c) => expected.cells[0]![c])],
                       [30, 'キャラック', 'シーダー', '+0%', '11400']);
      await page.select('[data-name=GoalComboBox]', '4');
      await page.click('[data-name=EveryMaterialCheckBox]');
      await settled(page);
      await showsAnswer(page, await answer(page, { ...Worked, goal: 4, everyMaterial: true }));
    },
  },
  {
    name: 'a header sorts, a second click reverses; the selection and the current row stay, in view; copies follow',
    async run(page) {
      const q = { ...AtFirst, everyMaterial: true };
      await openFinder(page);
      await ask(page, q);
      await page.click(row(0));
      await page.keyboard.down('Shift');
      await page.keyboard.press('ArrowDown'); // rows 0 and 1, the second current
      await page.keyboard.up('Shift');
      const selected = await shownCells(page, '[aria-selected=true]');
      await sortBy(page, Price);
      await showsAnswer(page, await answer(page, q, [[Price, false]]));
      await sortBy(page, Price);
      assert.deepEqual((await shownCells(page, '[aria-selected=true]')).sort(), [...selected].sort());
      assert.ok(await page.$eval('[data-name=ResultView] tr.current', (r) =>
        r.getBoundingClientRect().bottom <= r.closest('.results')!.getBoundingClientRect().bottom));
      await page.keyboard.press('Enter');
      assert.deepEqual([await text(page, 'MaterialText'), await text(page, 'PriceText')].map((t) => t.trim()),
                       [selected[1]![1], selected[1]![Price]]);
      assert.equal(await copyAll(page), (await answer(page, q, [[Price, false], [Price, true]])).text);
    },
  },
  {
    name: 'a click or Enter on a row opens its build in a new current tab; its link opens the same',
    async run(page) {
      await openFinder(page);
      await ask(page, Worked);
      const cells = await shownCells(page);
      await page.click(row(0));
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('Enter');
      assert.deepEqual(await page.$$eval('[role=tab]', (t) => t.map((e) => `${e.textContent} ${e.ariaSelected}`)),
                       [`${cells[0]![0]} false`, `${cells[1]![0]} true`]);
      const boxes = ['MaterialText', 'PercentText', 'CurrentCabinsText', 'CurrentPortsText', 'CurrentHoldText'];
      const shown = (p: Page) => Promise.all(boxes.map(async (b) => (await text(p, b)).trim()));
      assert.deepEqual(await shown(page), cells[1]!.slice(1, 6));
      const other = await page.browserContext().newPage();
      await openPlanner(other, await page.$eval(`${row(1)} a`, (a) => (a as HTMLAnchorElement).href));
      assert.deepEqual(await shown(other), cells[1]!.slice(1, 6));
    },
  },
  {
    name: 'after a first visit the page opens offline, its list, tabs and finder working',
    async run(page) {
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
      await page.setOfflineMode(true);
      await openPlanner(page, page.url());
      await page.click('[data-name=ShipListBox] [role=option]');
      await page.waitForSelector('[data-name=ShipTabFrame]');
      await openFinder(page);
      assert.equal(await text(page, 'ResultCountText'), '45 件');
    },
  },
];

describeCases('the build finder', cases);
