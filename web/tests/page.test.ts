// The page in headless Chromium, driven through the names outside tests use: one table of
// cases, each on a fresh page with storage of its own (except where a reload must keep it).
import assert from 'node:assert/strict';
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import type { Page } from 'puppeteer-core';
import { copiedTexts, describeCases, dropFiles, openPlanner, text, type Case } from './browser.js';

const Header = '船種名 材質 比率調整 船室 砲室 倉庫 総容量 価格 縦帆 横帆 耐久 漕力 旋回 対波 装甲 船室最小 船室標準 船室最大 ' +
  '砲室最小 砲室標準 砲室最大 船側砲 船首砲 船尾砲 補助帆 船首像 紋章 特殊兵装 追加装甲 冒険 交易 戦闘';
// The README's copied tab of the sample data.
const Barsha = 'バルシャ 親方 +0% 10 4 28 42 1200 120 95 70 8 24 2 2 5 10 15 2 4 6 1 0 0 1 1 1 0 0 2 1 1';
const tsv = (words: string) => words.replaceAll(' ', '\t');
// The box showing each column of a copied build, after the name.
const Boxes = ['MaterialText', 'PercentText', 'CurrentCabinsText', 'CurrentPortsText', 'CurrentHoldText',
  'CurrentCapacityText', 'PriceText', 'LSailText', 'SSailText', 'StrengthText', 'RowText', 'SlueText',
  'ResistiveWaveText', 'ArmouredText', 'MinimumCabinsText', 'DefaultCabinsText', 'MaximumCabinsText',
  'MinimumPortsText', 'DefaultPortsText', 'MaximumPortsText', 'CannonSlotsText', 'FrontCannonSlotsText',
  'RearCannonSlotsText', 'NumOfJiggerText', 'NumOfFigureheadText', 'NumOfSealText', 'NumOfWeaponText',
  'NumOfArmourText', 'ALVText', 'TLVText', 'CLVText'];

// The sample's ships of one type, read here on their own: the strictly highest boarding level
// wins, ties go to combat, then trade.
async function sampleShips(type: number): Promise<string[]> {
  const text = new TextDecoder('shift_jis').decode(await readFile('data/ship_varietion.csv'));
  return text.split(/\r\n/).slice(1).filter(Boolean).map((line) => line.split(',')).filter((cells) => {
    const [a, t, c] = [13, 14, 15].map((i) => Number(cells[i]));
    const shown = c! >= a! && c! >= t! ? 2 : t! >= a! ? 1 : 0;
    return shown === type;
  }).map((cells) => cells[0]!);
}

// The user's own pair, in code page 932: テスト船, a plain name, and a line of rubbish that the
// loader takes as a ship all the same.
const TestShip = Buffer.from([0x83, 0x65, 0x83, 0x58, 0x83, 0x67, 0x91, 0x44]);
const Own = ['テスト船', 'Sloop X', 'this line'];
const figures = ',1,2,5,20,3,3,12,12,6,30,8,6,2,1,1,1,1,0,0,2,0,0,1,-1,x,y,1,\r\n';
const ownShips = Buffer.concat([Buffer.from('header\r\n'), TestShip,
  Buffer.from(`,5000${figures}Sloop X,2500${figures}this line,is,not,a ship\r\n`)]);
const entries = `,${Array(11).fill('100/90/80').join(',')}\r\n`;
const ownMaterials = Buffer.concat([Buffer.from('header\r\n'), TestShip, Buffer.from(`${entries}Sloop X${entries}third${entries}`)]);

let files: string;

async function texts(page: Page, selector: string): Promise<string[]> {
  return page.$$eval(selector, (elements) => elements.map((e) => e.textContent ?? ''));
}
const options = (page: Page) => texts(page, '[data-name=ShipListBox] [role=option]');
const tabs = (page: Page) => texts(page, '[data-name=ShipPageControl] [role=tab]');
const currentTab = (page: Page) => texts(page, '[role=tab][aria-selected=true]');
const openShip = (page: Page, name: string) => page.click(`[data-name=ShipListBox] [role=option]::-p-text(${name})`);
async function press(page: Page, spinner: string, dir: 'up' | 'down', times = 1): Promise<void> {
  for (let i = 0; i < times; ++i) await page.click(`[data-name=${spinner}] [data-dir=${dir}]`);
}
// The copied build as the frame shows it, one cell a box.
const shownRow = (page: Page) => page.evaluate((names) =>
  names.map((name) => document.querySelector(`[data-name=${name}]`)?.textContent?.trim()).join(' '), ['ShipNameText', ...Boxes]);
async function paste(page: Page, pasted: string): Promise<void> {
  await page.evaluate((t) => {
    const data = new DataTransfer();
    data.setData('text/plain', t);
    document.body.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true }));
  }, pasted);
}
async function upload(page: Page, ...names: string[]): Promise<void> {
  const input = (await page.$('input[data-name=DataFilesInput]'))!;
  await input.uploadFile(...names.map((name) => join(files, name)));
}

const cases: Case[] = [
  {
    name: 'a type box filters the list, in the data\'s order',
    async run(page) {
      const all = await options(page);
      await page.click('[data-name=TradeShipCheckBox]');
      await page.click('[data-name=CombatShipCheckBox]');
      assert.deepEqual(await options(page), await sampleShips(0));
      await page.click('[data-name=AdventureShipCheckBox]');
      assert.deepEqual(await options(page), []);
      await page.click('[data-name=CombatShipCheckBox]');
      assert.deepEqual(await options(page), await sampleShips(2));
      await page.click('[data-name=AdventureShipCheckBox]');
      await page.click('[data-name=TradeShipCheckBox]');
      assert.deepEqual(await options(page), all);
    },
  },
  {
    name: 'a double-click opens one tab, showing the desktop\'s texts, which copy with the header',
    async run(page) {
      const option = (await page.$('[data-name=ShipListBox] [role=option]'))!;
      await option.click({ count: 2 });
      assert.deepEqual([await tabs(page), await currentTab(page)], [['バルシャ'], ['バルシャ']]);
      assert.equal(await shownRow(page), Barsha);
      assert.equal(await page.$$eval('[data-name=ShipTabFrame]', (f) => f.length), 1);
      await page.click('[data-name=CopyBuildButton]');
      assert.deepEqual(await copiedTexts(page), [`${tsv(Header)}\n${tsv(Barsha)}\n`]);
    },
  },
  {
    name: 'the keyboard opens the selected ship; a click or Enter on a material line chooses it',
    async run(page) {
      await page.focus('[data-name=ShipListBox]');
      await page.keyboard.press('Enter'); // nothing selected yet
      assert.deepEqual(await tabs(page), []);
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('Enter');
      assert.deepEqual(await tabs(page), ['バルシャ']);
      const rows = await page.$$('[data-name=MaterialView] tbody tr');
      assert.equal(rows.length, 11);
      await rows[1]!.click();
      assert.deepEqual(await Promise.all(['MaterialText', 'LSailText', 'SSailText', 'StrengthText'].map(
        async (n) => (await text(page, n)).trim())), ['シーダー', '123', '96', '58']);
      await rows[10]!.focus();
      await page.keyboard.press('Enter');
      assert.equal((await text(page, 'MaterialText')).trim(), '鉄張り');
    },
  },
  {
    name: 'spinners step the ratio, cabins and gun ports within bounds',
    async run(page) {
      await openShip(page, 'バルシャ');
      await press(page, 'UpDown1', 'up', 2);
      assert.equal((await text(page, 'PercentText')).trim(), '+2%');
      await press(page, 'UpDown1', 'down', 5);
      assert.equal((await text(page, 'PercentText')).trim(), '-3%');
      await press(page, 'UpDown1', 'up', 3);
      await press(page, 'UpDown3', 'down', 1);
      assert.deepEqual([(await text(page, 'CurrentCabinsText')).trim(), (await text(page, 'CurrentHoldText')).trim()],
                       ['9', '29']);
      await press(page, 'UpDown3', 'down', 9); // the least is 5
      assert.equal((await text(page, 'CurrentCabinsText')).trim(), '5');
      await press(page, 'UpDown4', 'up', 9); // the most is 6
      assert.equal((await text(page, 'CurrentPortsText')).trim(), '6');
      assert.ok(await page.$eval('[data-name=UpDown2] [data-dir=up]', (b) => (b as HTMLButtonElement).disabled));
    },
  },
  {
    name: 'closing the current tab makes the next current, or the first after the last',
    async run(page) {
      const [a, b, c] = (await options(page)).slice(0, 3) as [string, string, string];
      for (const name of [a, b, c]) await openShip(page, name);
      await page.click('[role=tab]:nth-child(2)');
      await page.click('[data-name=SpeedButton1]');
      assert.deepEqual([await tabs(page), await currentTab(page)], [[a, c], [c]]);
      await page.click('[data-name=SpeedButton1]');
      assert.deepEqual([await tabs(page), await currentTab(page)], [[a], [a]]);
      await page.click('[data-name=SpeedButton1]');
      assert.deepEqual([await tabs(page), await page.$('[data-name=ShipTabFrame]')], [[], null]);
    },
  },
  {
    name: 'a copied link opens its build, on load and on a change of the fragment; a bad one says why',
    async run(page, session) {
      await openShip(page, 'バルシャ');
      await press(page, 'UpDown1', 'up', 2);
      await press(page, 'UpDown3', 'down', 1);
      await page.click('[data-name=CopyLinkButton]');
      const [link] = await copiedTexts(page);
      assert.equal(link, `${session.site.url}#ship=%E3%83%90%E3%83%AB%E3%82%B7%E3%83%A3&material=%E8%A6%AA%E6%96%B9` +
        '&ratio=+2&cabins=9&ports=4');
      const expected = await shownRow(page);
      page = await page.browserContext().newPage();
      await openPlanner(page, link!);
      assert.deepEqual(await tabs(page), ['バルシャ']);
      assert.equal(await shownRow(page), expected);
      await page.evaluate(() => { location.hash = 'ship=%E3%83%90%E3%83%AB%E3%82%B7%E3%83%A3&material=%E9%89%84%E5%BC%B5%E3%82%8A&ratio=-3&cabins=10&ports=4'; });
      await page.waitForFunction(() => document.querySelectorAll('[role=tab]').length === 2);
      assert.equal((await text(page, 'MaterialText')).trim(), '鉄張り');
      assert.equal((await text(page, 'PercentText')).trim(), '-3%');
      await page.evaluate(() => { location.hash = 'ship=Galleon&material=%E8%A6%AA%E6%96%B9&ratio=+0&cabins=1&ports=1'; });
      await page.waitForFunction(() => document.querySelector('[data-name=MessageText]')?.textContent !== '');
      assert.match(await text(page, 'MessageText'), /Galleon/);
      assert.deepEqual(await tabs(page), ['バルシャ', 'バルシャ']);
    },
  },
  {
    name: 'pasted rows open as on the desktop, the refused ones named in the desktop\'s words',
    async run(page) {
      await paste(page, `${tsv(Header)}\nGalleon\t親方\t+0%\t10\t4\nバルシャ\t親方\t+0%\t16\t4\nバルシャ\tシーダー\t5\t11\t4\n`);
      await page.waitForSelector('[role=tab]');
      assert.deepEqual(await tabs(page), ['バルシャ']);
      assert.equal((await text(page, 'PercentText')).trim(), '+5%');
      assert.equal(await text(page, 'MessageText'), '貼り付けたビルドのうち 2 行は開けませんでした。\n' +
        '2 行目: 船種「Galleon」がありません\n3 行目: 船室「16」は 5 から 15 までにしかできません');
    },
  },
  {
    name: 'the user\'s own files, chosen or dropped, replace the list and survive a reload; wrong ones change nothing',
    async run(page) {
      const sample = await options(page);
      await openShip(page, 'バルシャ');
      for (const chosen of [['ships.csv', 'ship_material.csv'], ['ship_varietion.csv']]) {
        await page.evaluate(() => { document.querySelector('[data-name=MessageText]')!.textContent = ''; });
        await upload(page, ...chosen);
        await page.waitForFunction(() => document.querySelector('[data-name=MessageText]')?.textContent !== '');
        assert.match(await text(page, 'MessageText'), /ship_varietion\.csv/);
        assert.deepEqual([await options(page), await tabs(page), await text(page, 'DataSourceText')],
                         [sample, ['バルシャ'], '見本のデータ']);
      }
      const own = () => page.waitForFunction(() => document.querySelector('[data-name=DataSourceText]')?.textContent?.includes('自分'));
      await upload(page, 'ship_varietion.csv', 'ship_material.csv');
      await own();
      assert.deepEqual([await options(page), await tabs(page)], [Own, []]);
      await openPlanner(page, page.url());
      assert.deepEqual(await options(page), Own);
      await openShip(page, 'テスト船');
      assert.equal((await text(page, 'LSailText')).trim(), '100');
      await page.click('[data-name=UseSampleButton]');
      await page.waitForFunction(() => document.querySelector('[data-name=DataSourceText]')?.textContent?.includes('見本'));
      assert.deepEqual([await options(page), await tabs(page)], [sample, []]);
      await openPlanner(page, page.url());
      assert.deepEqual(await options(page), sample);
      await dropFiles(page, ownShips, ownMaterials);
      await own();
      assert.deepEqual(await options(page), Own);
    },
  },
  {
    name: 'on a phone the page does not scroll sideways',
    width: 360,
    async run(page) {
      await openShip(page, 'バルシャ');
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360));
      const frame = await page.$eval('[data-name=ShipTabFrame]', (f) => f.getBoundingClientRect().right);
      assert.ok(frame <= 360, `the frame ends at ${frame}`);
      await page.click('[data-name=FindBuildsButton]'); // the finder too, as wide as the screen
      const finder = await page.$eval('[data-name=ResultView]', (t) => t.closest('section')!.getBoundingClientRect().width);
      assert.ok(finder === 360 && await page.evaluate(() => document.documentElement.scrollWidth <= 360), `${finder}`);
    },
  },
];

describeCases('the page', cases, async () => {
  files = await mkdtemp(join(tmpdir(), 'shipplanner-files-'));
  await writeFile(join(files, 'ship_varietion.csv'), ownShips);
  await writeFile(join(files, 'ship_material.csv'), ownMaterials);
  await writeFile(join(files, 'ships.csv'), ownShips);
}, () => rm(files, { recursive: true, force: true }));
