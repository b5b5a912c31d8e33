// The build finder on the page: the desktop finder's controls, a search after every change made
// by the worker's core, and the rows shown through the page's own core.
import type { Build, Core, QueryTexts } from '../core.js';
import { ResultView } from './resultview.js';
import { RowFields, Searcher, type Found } from './searching.js';
import type { DataPair } from './store.js';

export interface FinderActions {
  open(ship: number, build: Build): void;
  copy(text: string, what: string): void;
  say(text: string): void;
  saying(): string;
}

const buildOf = (row: Int32Array): Build => ({ material: row[1]!, percent: row[2]!, cabins: row[3]!, ports: row[4]! });

export class Finder {
  private readonly searcher: Searcher;
  private readonly view: ResultView;
  private readonly types: HTMLInputElement[];
  private readonly required: HTMLInputElement[];
  private readonly lowest: HTMLInputElement;
  private readonly highest: HTMLInputElement;
  private readonly goal: HTMLSelectElement;
  private readonly everyMaterial: HTMLInputElement;
  private readonly count: HTMLElement;
  private readonly table: HTMLTableElement;
  private stale = true; // data came since the last search
  private said = ''; // the last message of a query, cleared by a good one
  private asked = { column: -1, descending: false }; // the order last asked for

  constructor(core: Core, private readonly root: HTMLElement, private readonly button: HTMLButtonElement,
              private readonly actions: FinderActions) {
    const named = <T extends HTMLElement>(name: string) => root.querySelector<T>(`[data-name="${name}"]`)!;
    const captions = core.finderCaptions();
    const none = core.words()['NoRequirement'] ?? '';
    const requirements = root.querySelector('.requirements')!;
    this.required = captions.required.map(({ name, caption, bound }) => {
      const label = document.createElement('label');
      const input = document.createElement('input');
      input.dataset['name'] = name;
      input.inputMode = 'numeric';
      input.autocomplete = 'off';
      input.placeholder = none; // as the desktop's box at its lowest
      const [before, after] = [caption, bound].map((text) => {
        const span = document.createElement('span');
        span.textContent = text;
        return span;
      });
      label.append(before!, input, after!);
      requirements.append(label);
      return input;
    });
    this.types = ['FindAdventureCheckBox', 'FindTradeCheckBox', 'FindCombatCheckBox'].map((n) => named<HTMLInputElement>(n));
    this.lowest = named('LowestPercentEdit');
    this.highest = named('HighestPercentEdit');
    this.goal = named('GoalComboBox');
    this.goal.append(...captions.goals.map((caption, i) => new Option(caption, String(i))));
    this.everyMaterial = named('EveryMaterialCheckBox');
    this.count = named('ResultCountText').querySelector('.count')!;
    this.table = named('ResultView');
    this.searcher = new Searcher((found) => this.found(found), (message) => actions.say(message));
    this.view = new ResultView(this.table.parentElement!, this.table, core.headerCells(), captions.numberColumns, {
      cells: (ship, row) => core.rowCells(ship, buildOf(row)),
      link: (row) => `#${core.linkFragment(row[0]!, buildOf(row))}`,
      open: (row) => actions.open(row[0]!, buildOf(row)),
      copy: (rows) => void this.copy(rows),
      sort: (column) => this.sort(column),
    });

    root.addEventListener('input', () => this.search());
    named('CopyResultsButton').addEventListener('click', () => void this.copy(this.view.shownRows()));
    button.addEventListener('click', () => this.toggle(root.hidden));
    root.querySelector('.finder-close')!.addEventListener('click', () => this.toggle(false));
    root.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') this.toggle(false);
    });
  }

  toggle(shown: boolean): void {
    this.root.hidden = !shown;
    this.button.setAttribute('aria-expanded', String(shown));
    if (shown && this.stale) this.search();
    (shown ? this.types[0] : this.button)?.focus();
  }

  // New data: the rows shown are of the old catalogue, so they go at once.
  dataChanged(pair: DataPair): void {
    this.searcher.load(pair);
    this.view.show(new Int32Array(0), false, -1, false);
    this.count.textContent = '0';
    this.stale = true;
    if (!this.root.hidden) this.search();
  }

  private query(): QueryTexts {
    const [adventure, trade, combat] = this.types.map((box) => box.checked);
    return {
      adventure: adventure ?? true, trade: trade ?? true, combat: combat ?? true,
      required: this.required.map((input) => input.value),
      lowestPercent: this.lowest.value,
      highestPercent: this.highest.value,
      goal: this.goal.selectedIndex,
      everyMaterial: this.everyMaterial.checked,
    };
  }

  private search(): void {
    this.stale = false;
    this.asked = { column: -1, descending: false };
    this.searcher.find(this.query());
    this.table.setAttribute('aria-busy', 'true');
  }

  // A header: by that column, then the other way round.
  private sort(column: number): void {
    const descending = this.asked.column === column && !this.asked.descending;
    this.asked = { column, descending };
    this.searcher.sort(column, descending);
    this.table.setAttribute('aria-busy', 'true');
  }

  private found(found: Found): void {
    this.view.show(found.rows, found.column >= 0, found.column, found.descending);
    this.count.textContent = String(this.view.shownRows().length / RowFields);
    if (found.message !== '') {
      this.actions.say(this.said = found.message);
    } else if (this.said !== '') {
      if (this.actions.saying() === this.said) this.actions.say('');
      this.said = '';
    }
    this.table.setAttribute('aria-busy', String(this.searcher.busy()));
  }

  private async copy(rows: Int32Array): Promise<void> {
    this.actions.copy(await this.searcher.text(rows), '見つかったビルド');
  }
}
