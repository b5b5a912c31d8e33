// The planner in a browser: the ship list, the tabs, the data files, links and pasted builds.
// Every figure and text comes from the core; this file only wires the page to it.
import { copyText } from './clipboard.js';
import { loadCore, type Build, type Core, type Opened } from './core.js';
import { Finder } from './finder.js';
import { ShipList } from './shiplist.js';
import { forgetPair, loadPair, savePair, type DataPair } from './store.js';
import { ShipTabs } from './tabs.js';

const ShipFileName = 'ship_varietion.csv';
const MaterialFileName = 'ship_material.csv';

function named<T extends HTMLElement>(name: string): T {
  const element = document.querySelector<T>(`[data-name="${name}"]`);
  if (element === null) throw new Error(`no ${name} on the page`);
  return element;
}

const message = named('MessageText');
function say(text: string): void {
  message.textContent = text;
}
const saying = () => message.textContent ?? '';

// Data changes one at a time, in the order asked for.
let queue: Promise<void> = Promise.resolve();
function inTurn(work: () => Promise<void>): void {
  queue = queue.then(work).catch((error: unknown) => say(`うまくいきませんでした: ${String(error)}`));
}

async function fetchSample(): Promise<DataPair> {
  const read = async (name: string): Promise<Uint8Array> => {
    const response = await fetch(`data/${name}`);
    if (!response.ok) throw new Error(`data/${name}: ${response.status}`);
    return new Uint8Array(await response.arrayBuffer());
  };
  const [ships, materials] = await Promise.all([read(ShipFileName), read(MaterialFileName)]);
  return { ships, materials };
}

class Planner {
  private shown: DataPair = { ships: new Uint8Array(), materials: new Uint8Array() };
  private readonly list: ShipList;
  private readonly tabs: ShipTabs;
  private readonly types = ['AdventureShipCheckBox', 'TradeShipCheckBox', 'CombatShipCheckBox'].map((name) =>
    named<HTMLInputElement>(name));
  private readonly source = named('DataSourceText');
  private readonly sampleButton = named<HTMLButtonElement>('UseSampleButton');
  private readonly finder: Finder;

  constructor(private readonly core: Core) {
    this.list = new ShipList(named('ShipListBox'), (ship) => this.openShip(ship));
    this.tabs = new ShipTabs(core, named('ShipPageControl'), document.getElementById('ship-panel')!, {
      copy: (text, what) => void this.copy(text, what),
    });
    this.finder = new Finder(core, document.getElementById('finder')!, named('FindBuildsButton'), {
      open: (ship, build) => this.openBuild(ship, build),
      copy: (text, what) => void this.copy(text, what),
      say, saying,
    });
    for (const box of this.types) box.addEventListener('change', () => this.fillList());
  }

  // Shows a pair, or keeps what is shown and returns the core's message.
  show(pair: DataPair, own: boolean): string {
    const refused = this.core.loadData(pair.ships, pair.materials);
    if (refused !== '') {
      this.core.loadData(this.shown.ships, this.shown.materials);
      return refused;
    }
    this.shown = pair;
    this.finder.dataChanged(pair);
    this.tabs.closeAll();
    this.fillList();
    this.source.textContent = own ? `自分のデータ: ${ShipFileName}, ${MaterialFileName}` : '見本のデータ';
    this.sampleButton.disabled = !own;
    return '';
  }

  fillList(): void {
    const [adventure, trade, combat] = this.types.map((box) => box.checked);
    this.list.fill(this.core.listedShips(adventure ?? true, trade ?? true, combat ?? true));
  }

  openShip(ship: number): void {
    if (ship < 0 || ship >= this.core.shipCount()) return;
    this.tabs.open(ship, this.core.startingBuild(ship));
    say('');
  }

  openBuild(ship: number, build: Build): void {
    this.tabs.open(ship, build);
    say('');
    document.getElementById('ship-panel')!.scrollIntoView({ block: 'nearest' });
  }

  openBuilds(opened: Opened): void {
    this.tabs.openAll(opened.builds);
    say(opened.message);
  }

  async copy(text: string, what: string): Promise<void> {
    say((await copyText(text)) ? `${what}をコピーしました。` : `${what}をコピーできませんでした。`);
  }

  // Ctrl+C with nothing selected: the ship list's ships as freshly opened, or the current tab.
  copied(): string | undefined {
    if (named('ShipListBox').contains(document.activeElement)) {
      const builds = this.list.listed().map(({ ship }) => ({ ship, build: this.core.startingBuild(ship) }));
      return builds.length > 0 ? this.core.buildsText(builds) : undefined;
    }
    const current = this.tabs.currentBuild();
    return current === undefined ? undefined : this.core.buildsText([current]);
  }

  async useFiles(files: readonly File[]): Promise<void> {
    const ships = files.find((file) => file.name === ShipFileName);
    const materials = files.find((file) => file.name === MaterialFileName);
    if (files.length !== 2 || ships === undefined || materials === undefined) {
      const given = files.map((file) => file.name).join(', ') || 'なし';
      say(`${ShipFileName} と ${MaterialFileName} の二つを一緒に選んでください (選ばれたファイル: ${given})。`);
      return;
    }
    let pair: DataPair;
    try {
      const [s, m] = await Promise.all([ships.arrayBuffer(), materials.arrayBuffer()]);
      pair = { ships: new Uint8Array(s), materials: new Uint8Array(m) };
    } catch (error) {
      say(`ファイルを読めませんでした: ${String(error)}`);
      return;
    }
    await this.adopt(pair, true);
  }

  async useSample(): Promise<void> {
    let pair: DataPair;
    try {
      pair = await fetchSample();
    } catch (error) {
      say(`見本のデータを読めませんでした: ${String(error)}`);
      return;
    }
    await this.adopt(pair, false);
  }

  // Shows a pair, then keeps it in the browser (the user's own) or forgets the kept one.
  private async adopt(pair: DataPair, own: boolean): Promise<void> {
    const refused = this.show(pair, own);
    if (refused !== '') {
      say(refused);
      return;
    }
    try {
      await (own ? savePair(pair) : forgetPair());
      say(own ? `自分のデータを読み込みました (船種 ${this.core.shipCount()})。` : '見本のデータに戻しました。');
    } catch (error) {
      say(own ? `自分のデータを読み込みましたが、次に開いたときのために残せませんでした: ${String(error)}`
              : `見本のデータに戻しましたが、自分のデータを消せませんでした: ${String(error)}`);
    }
  }

  // At start: the user's own pair when one is kept, else the sample.
  async start(): Promise<void> {
    let kept: DataPair | undefined;
    try {
      kept = await loadPair();
    } catch (error) {
      say(`保存した自分のデータを読めませんでした: ${String(error)}`);
    }
    if (kept !== undefined) {
      const refused = this.show(kept, true);
      if (refused === '') return;
      say(refused);
    }
    this.show(await fetchSample(), false);
  }

  openLink(): void {
    const fragment = location.hash.replace(/^#/, '');
    if (fragment !== '') this.openBuilds(this.core.readLink(fragment));
  }
}

function isTextField(target: EventTarget | null): boolean {
  return target instanceof HTMLTextAreaElement ||
    (target instanceof HTMLInputElement && target.type !== 'checkbox' && target.type !== 'file');
}

async function main(): Promise<void> {
  let core: Core;
  try {
    core = await loadCore();
  } catch (error) {
    say(`計算の部分を読み込めませんでした: ${String(error)}`);
    return;
  }
  // The words the desktop program shows too come from the core.
  const words = core.words();
  for (const element of document.querySelectorAll<HTMLElement>('[data-word]'))
    element.textContent = words[element.dataset['word']!] ?? '';
  for (const element of document.querySelectorAll<HTMLElement>('[data-word-label]'))
    element.setAttribute('aria-label', words[element.dataset['wordLabel']!] ?? '');
  for (const element of document.querySelectorAll<HTMLElement>('[data-word-title]'))
    element.title = words[element.dataset['wordTitle']!] ?? '';
  const planner = new Planner(core);
  try {
    await planner.start();
  } catch (error) {
    say(`見本のデータを読めませんでした: ${String(error)}`);
  }
  planner.openLink();
  document.documentElement.dataset['ready'] = 'true';
  // Kept for use offline; the page works the same without it.
  navigator.serviceWorker?.register('sw.js').catch(() => undefined);

  window.addEventListener('hashchange', () => inTurn(async () => planner.openLink()));

  const input = named<HTMLInputElement>('DataFilesInput');
  input.addEventListener('change', () => {
    const files = Array.from(input.files ?? []);
    input.value = ''; // the same files can be chosen again
    inTurn(() => planner.useFiles(files));
  });
  named('UseSampleButton').addEventListener('click', () => inTurn(() => planner.useSample()));

  // Both files dropped anywhere on the page.
  const dragging = (on: boolean) => document.body.classList.toggle('dragging', on);
  document.addEventListener('dragover', (event) => {
    if (!event.dataTransfer?.types.includes('Files')) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = 'copy';
    dragging(true);
  });
  document.addEventListener('dragleave', (event) => {
    if (event.relatedTarget === null) dragging(false);
  });
  document.addEventListener('drop', (event) => {
    if (!event.dataTransfer?.types.includes('Files')) return;
    event.preventDefault();
    dragging(false);
    const files = Array.from(event.dataTransfer.files);
    inTurn(() => planner.useFiles(files));
  });

  document.addEventListener('paste', (event) => {
    if (isTextField(event.target)) return;
    const text = event.clipboardData?.getData('text/plain') ?? '';
    if (text === '') return;
    event.preventDefault();
    inTurn(async () => planner.openBuilds(core.readPasted(text)));
  });
  document.addEventListener('copy', (event) => {
    if (isTextField(event.target) || (document.getSelection()?.toString() ?? '') !== '') return;
    const text = planner.copied();
    if (text === undefined || event.clipboardData === null) return;
    event.preventDefault();
    event.clipboardData.setData('text/plain', text);
  });
}

void main();
