// The finder's table as a window onto its rows: only the rows in view (and a few more) are in
// the page, between two spacers that give the scroll bar its length. Past what a browser can lay
// out, the scroll bar stands for the rows in proportion. A row is known by its ship and material,
// so the selection and the current row stay on their rows through a sort.
import { RowFields } from './searching.js';

export interface ResultActions {
  cells(ship: number, row: Int32Array): string[];
  link(row: Int32Array): string;
  open(row: Int32Array): void;
  copy(rows: Int32Array): void;
  sort(column: number): void;
}

// Well under the tallest box Chromium, Firefox and Safari lay out (about 17 million pixels).
const TallestBody = 8_000_000;
const Margin = 4; // rows made beyond the view on each side

const keyOf = (rows: Int32Array, i: number) => rows[i * RowFields]! * 16 + rows[i * RowFields + 1]!;

export class ResultView {
  private rows: Int32Array = new Int32Array(0);
  private count = 0;
  private readonly selected = new Set<number>(); // keys
  private current = -1;
  private anchor = -1;
  private rowHeight = 0;
  private painting = 0;
  private readonly body: HTMLTableSectionElement;
  private readonly sizer: HTMLElement;
  private readonly made: HTMLTableRowElement[] = [];
  private readonly headers: HTMLTableCellElement[];

  constructor(private readonly scroller: HTMLElement, private readonly table: HTMLTableElement,
              header: readonly string[], private readonly numbers: readonly boolean[],
              private readonly actions: ResultActions) {
    const head = table.createTHead().insertRow();
    this.headers = header.map((caption, column) => {
      const cell = document.createElement('th');
      cell.scope = 'col';
      if (numbers[column]) cell.className = 'n';
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = caption;
      button.addEventListener('click', (event) => {
        actions.sort(column);
        // A click leaves the keys with the rows, as on the desktop; Enter on the header sorts again.
        if (event.detail > 0) scroller.focus({ preventScroll: true });
      });
      cell.append(button);
      head.append(cell);
      return cell;
    });
    this.body = table.createTBody();
    // The table holds only the rows in view and moves down the scrolled area; an empty box
    // beside it gives the area its height, so no box as tall as the rows is ever painted.
    this.sizer = document.createElement('div');
    this.sizer.className = 'sizer';
    scroller.append(this.sizer);
    scroller.addEventListener('scroll', () => this.paintSoon());
    new ResizeObserver(() => this.paintSoon()).observe(scroller);
    this.body.addEventListener('click', (event) => this.clicked(event));
    scroller.addEventListener('keydown', (event) => this.key(event));
  }

  // New rows; a sort keeps the selection and the current row, and shows the current row.
  show(rows: Int32Array, sorted: boolean, column: number, descending: boolean): void {
    const currentKey = sorted && this.current >= 0 ? keyOf(this.rows, this.current) : -1;
    const anchorKey = sorted && this.anchor >= 0 ? keyOf(this.rows, this.anchor) : -1;
    this.rows = rows;
    this.count = Math.floor(rows.length / RowFields);
    for (const tr of this.made) delete tr.dataset['index']; // filled again from the new rows
    this.current = this.anchor = -1;
    if (!sorted) this.selected.clear();
    for (let i = 0; i < this.count && (currentKey >= 0 || anchorKey >= 0); ++i) {
      const key = keyOf(rows, i);
      if (key === currentKey) this.current = i;
      if (key === anchorKey) this.anchor = i;
    }
    this.table.setAttribute('aria-rowcount', String(this.count + 1));
    this.headers.forEach((cell, i) =>
      cell.setAttribute('aria-sort', i !== column ? 'none' : descending ? 'descending' : 'ascending'));
    if (!sorted) this.scroller.scrollTop = 0;
    if (this.current >= 0) this.reveal(this.current);
    this.paint();
  }

  shownRows(): Int32Array {
    return this.rows;
  }

  private paintSoon(): void {
    if (this.painting === 0) this.painting = requestAnimationFrame(() => this.paint());
  }

  // Where the rows stand: the body's height on the page, and the pixel of the rows (each
  // rowHeight tall) that the top of the view shows.
  private measure(): { view: number; body: number; most: number; position: number } {
    const head = this.table.tHead?.offsetHeight ?? 0;
    const view = Math.max(this.rowHeight, this.scroller.clientHeight - head);
    const whole = this.count * this.rowHeight;
    const body = Math.min(whole, TallestBody);
    const most = Math.max(0, body - view); // the largest scrollTop
    const top = Math.min(this.scroller.scrollTop, most);
    const position = most === 0 ? 0 : top / most * Math.max(0, whole - view);
    return { view, body, most, position };
  }

  private paint(): void {
    this.painting = 0;
    if (this.rowHeight === 0) this.rowHeight = this.measureRow();
    const { view, body, position } = this.measure();
    const top = Math.min(this.scroller.scrollTop, Math.max(0, body - view));
    const first = Math.floor(position / this.rowHeight);
    const start = Math.max(0, first - Margin);
    const end = Math.min(this.count, first + Math.ceil(view / this.rowHeight) + 1 + Margin);
    const above = Math.max(0, top - (position - first * this.rowHeight) - (first - start) * this.rowHeight);
    this.table.style.top = `${above}px`;
    this.sizer.style.height = `${(this.table.tHead?.offsetHeight ?? 0) + body}px`;
    while (this.made.length < end - start) this.made.push(this.makeRow());
    for (const extra of this.made.slice(end - start)) extra.remove();
    let before: Element | null = null;
    for (let i = start; i < end; ++i) {
      const tr = this.made[i - start]!;
      if (tr.dataset['index'] !== String(i)) this.fill(tr, i);
      this.mark(tr, i);
      if (tr.previousElementSibling !== before || tr.parentElement !== this.body) {
        if (before === null) this.body.prepend(tr);
        else before.after(tr);
      }
      before = tr;
    }
  }

  private measureRow(): number {
    const probe = this.makeRow();
    probe.cells[0]!.firstChild!.textContent = 'M';
    this.body.append(probe);
    const height = probe.getBoundingClientRect().height;
    probe.remove();
    this.made.push(probe);
    return height > 0 ? height : 20;
  }

  private makeRow(): HTMLTableRowElement {
    const tr = document.createElement('tr');
    this.numbers.forEach((number, column) => {
      const cell = tr.insertCell();
      if (number) cell.className = 'n';
      if (column === 0) {
        const link = document.createElement('a');
        link.tabIndex = -1;
        cell.append(link);
      }
    });
    return tr;
  }

  private fill(tr: HTMLTableRowElement, i: number): void {
    const row = this.rows.subarray(i * RowFields, (i + 1) * RowFields);
    const cells = this.actions.cells(row[0]!, row);
    for (let c = 0; c < cells.length; ++c) {
      const cell = tr.cells[c]!;
      (c === 0 ? cell.firstChild! : cell).textContent = cells[c]!;
    }
    (tr.cells[0]!.firstChild as HTMLAnchorElement).href = this.actions.link(row);
    tr.dataset['index'] = String(i);
    tr.setAttribute('aria-rowindex', String(i + 2));
  }

  private mark(tr: HTMLTableRowElement, i: number): void {
    tr.setAttribute('aria-selected', String(this.selected.has(keyOf(this.rows, i))));
    tr.classList.toggle('current', i === this.current);
  }

  private clicked(event: MouseEvent): void {
    const tr = (event.target as Element).closest('tr');
    if (tr === null || tr.dataset['index'] === undefined) return;
    event.preventDefault(); // the row's link opens in a tab of the page, not in the browser's
    const i = Number(tr.dataset['index']);
    if (event.shiftKey) {
      this.selectRange(i);
    } else if (event.ctrlKey || event.metaKey) {
      const key = keyOf(this.rows, i);
      if (!this.selected.delete(key)) this.selected.add(key);
      this.current = this.anchor = i;
    } else {
      this.selectOne(i);
      // The second click of a double-click opens nothing more.
      if (event.detail <= 1) this.open();
    }
    this.scroller.focus({ preventScroll: true });
    this.paint();
  }

  private selectOne(i: number): void {
    this.selected.clear();
    this.selected.add(keyOf(this.rows, i));
    this.current = this.anchor = i;
  }

  private selectRange(i: number): void {
    if (this.anchor < 0) this.anchor = i;
    this.selected.clear();
    for (let k = Math.min(this.anchor, i); k <= Math.max(this.anchor, i); ++k) this.selected.add(keyOf(this.rows, k));
    this.current = i;
  }

  private open(): void {
    if (this.current >= 0) this.actions.open(this.rows.subarray(this.current * RowFields, (this.current + 1) * RowFields));
  }

  private key(event: KeyboardEvent): void {
    if (this.count === 0 || (event.target as Element).closest('thead') !== null) return;
    if (event.key === 'Enter') {
      event.preventDefault();
      this.open();
      return;
    }
    if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'c') {
      event.preventDefault();
      const picked: number[] = [];
      for (let i = 0; i < this.count; ++i) if (this.selected.has(keyOf(this.rows, i))) picked.push(i);
      const rows = new Int32Array(picked.length * RowFields);
      picked.forEach((i, k) => rows.set(this.rows.subarray(i * RowFields, (i + 1) * RowFields), k * RowFields));
      if (picked.length > 0) this.actions.copy(rows);
      return;
    }
    const page = Math.max(1, Math.floor(this.measure().view / this.rowHeight) - 1);
    const from = this.current;
    const to = ({ ArrowDown: from + 1, ArrowUp: from - 1, PageDown: from + page, PageUp: from - page,
                  Home: 0, End: this.count - 1 } as Record<string, number>)[event.key];
    if (to === undefined) return;
    event.preventDefault();
    const i = Math.min(this.count - 1, Math.max(0, to));
    if (event.shiftKey) this.selectRange(i);
    else this.selectOne(i);
    this.reveal(i);
    this.paint();
  }

  // Scrolls so that row i is in view.
  private reveal(i: number): void {
    if (this.rowHeight === 0) this.rowHeight = this.measureRow();
    const { view, most, position } = this.measure();
    const whole = this.count * this.rowHeight;
    const at = i * this.rowHeight;
    const range = Math.max(0, whole - view);
    const scale = range === 0 ? 0 : most / range;
    if (at < position) this.scroller.scrollTop = Math.floor(at * scale);
    else if (at + this.rowHeight > position + view) this.scroller.scrollTop = Math.ceil((at + this.rowHeight - view) * scale);
  }
}
