// One ship tab's frame, laid out from the core's places: the part left of x = 270 (figures,
// cabins and gun ports) and the part right of it (the adjustments and the material list) are
// two blocks, side by side where there is room and one under the other on a phone.
import type { Place } from './core.js';

export interface FrameActions {
  choose(material: number): void;
  step(spinner: string, up: boolean): void;
  close(): void;
  copyBuild(): void;
  copyLink(): void;
}

const RightPart = 270;
// The right block starts a little left of its first box, as the frame's gap between the parts.
const RightOrigin = 275;

// Tops for a part on a phone: an empty band taller than a line closes up, so that the material
// list follows the adjustments instead of a screen's height of nothing.
function stackedTops(part: readonly Place[]): Map<Place, number> {
  const tops = new Map<Place, number>();
  let bottom = 0; // the lowest edge so far, on the desktop
  let shift = 0;
  for (const place of [...part].sort((a, b) => a.y - b.y)) {
    const gap = place.y - bottom;
    if (gap > 16) shift += gap - 8;
    tops.set(place, place.y - shift);
    bottom = Math.max(bottom, place.y + place.height);
  }
  return tops;
}

function placeBox(element: HTMLElement, place: Place, originX: number): void {
  element.style.setProperty('--x', String(place.x - originX));
  element.style.setProperty('--y', String(place.y));
  element.style.setProperty('--w', String(place.width));
  element.style.setProperty('--h', String(place.height));
}

export class ShipFrame {
  readonly element: HTMLElement;
  private readonly boxes = new Map<string, HTMLElement>();
  private readonly rows: HTMLTableRowElement[] = [];

  // valueNames: the boxes the core fills (its textNames); every other place is a label.
  constructor(places: readonly Place[], private readonly valueNames: ReadonlySet<string>, header: readonly string[],
              lines: readonly string[][], private readonly actions: FrameActions) {
    this.element = document.createElement('div');
    this.element.dataset['name'] = 'ShipTabFrame';
    this.element.className = 'frame';
    const blocks = [document.createElement('div'), document.createElement('div')] as const;
    blocks[0].className = 'part left';
    blocks[1].className = 'part right';
    const parts: [Place[], Place[]] = [[], []];
    let close: HTMLElement | undefined;
    for (const place of places) {
      if (place.name === 'SpeedButton1') {
        // At the frame's top right corner, where the desktop has it, and above both parts on a phone.
        close = this.button(place.name, place.caption || '×', () => this.actions.close());
        close.className = 'close';
        close.setAttribute('aria-label', place.accessibleName ?? '');
        placeBox(close, place, 0);
        continue;
      }
      parts[place.x < RightPart ? 0 : 1].push(place);
    }
    parts.forEach((part, side) => {
      const originX = side === 0 ? 0 : RightOrigin;
      const stacked = stackedTops(part);
      for (const place of part) {
        const element = this.makeControl(place, header, lines);
        placeBox(element, place, originX);
        element.style.setProperty('--sy', String(stacked.get(place) ?? place.y));
        blocks[side].append(element);
      }
      const block = blocks[side];
      block.style.setProperty('--w', String(side === 0 ? RightPart : Math.max(...part.map((p) => p.x + p.width)) - originX));
      block.style.setProperty('--h', String(Math.max(...part.map((p) => p.y + p.height))));
      block.style.setProperty('--sh', String(Math.max(...part.map((p) => (stacked.get(p) ?? p.y) + p.height))));
    });
    const buttons = document.createElement('div');
    buttons.className = 'actions';
    buttons.append(this.button('CopyBuildButton', 'ビルドをコピー', () => this.actions.copyBuild()),
                   this.button('CopyLinkButton', 'リンクをコピー', () => this.actions.copyLink()));
    const both = document.createElement('div');
    both.className = 'parts';
    both.append(...blocks);
    this.element.append(both, buttons);
    if (close !== undefined) this.element.append(close);
  }

  // Writes the value boxes' texts (in the order of the core's textNames) and marks the material.
  show(names: readonly string[], texts: readonly string[], material: number): void {
    names.forEach((name, i) => {
      const box = this.boxes.get(name);
      if (box !== undefined) box.textContent = texts[i] ?? '';
    });
    this.rows.forEach((row, i) => {
      const chosen = i === material;
      row.classList.toggle('chosen', chosen);
      if (chosen) row.setAttribute('aria-current', 'true');
      else row.removeAttribute('aria-current');
    });
    if (!this.rows.some((row) => row.tabIndex === 0)) this.rows[Math.max(0, material)]?.setAttribute('tabindex', '0');
  }

  private button(name: string, caption: string, press: () => void): HTMLButtonElement {
    const button = document.createElement('button');
    button.type = 'button';
    button.dataset['name'] = name;
    button.textContent = caption;
    button.addEventListener('click', press);
    return button;
  }

  private makeControl(place: Place, header: readonly string[], lines: readonly string[][]): HTMLElement {
    if (place.name === 'MaterialView') return this.materialView(place, header, lines);
    if (place.name.startsWith('UpDown')) return this.spinner(place);
    const box = document.createElement('div');
    box.className = 'box';
    box.dataset['name'] = place.name;
    if (place.colour !== '') box.style.backgroundColor = place.colour;
    box.textContent = place.caption;
    if (this.valueNames.has(place.name)) this.boxes.set(place.name, box);
    return box;
  }

  private spinner(place: Place): HTMLElement {
    const spinner = document.createElement('div');
    spinner.className = 'box spinner';
    spinner.dataset['name'] = place.name;
    spinner.setAttribute('role', 'group');
    spinner.setAttribute('aria-label', place.accessibleName ?? '');
    const names = [place.downName ?? '', place.upName ?? ''] as const;
    // The desktop's "数値調整" spinner is there but disabled.
    const enabled = place.name !== 'UpDown2';
    for (const [dir, glyph, label] of [['down', '◀', names[0]], ['up', '▶', names[1]]] as const) {
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset['dir'] = dir;
      button.textContent = glyph;
      button.setAttribute('aria-label', label);
      button.disabled = !enabled;
      button.addEventListener('click', () => this.actions.step(place.name, dir === 'up'));
      spinner.append(button);
    }
    spinner.addEventListener('keydown', (event) => {
      if (!enabled || (event.key !== 'ArrowLeft' && event.key !== 'ArrowRight')) return;
      event.preventDefault();
      this.actions.step(place.name, event.key === 'ArrowRight');
    });
    return spinner;
  }

  private materialView(place: Place, header: readonly string[], lines: readonly string[][]): HTMLElement {
    const wrap = document.createElement('div');
    wrap.className = 'box materials';
    const table = document.createElement('table');
    table.dataset['name'] = place.name;
    table.setAttribute('aria-label', '材質');
    const head = table.createTHead().insertRow();
    for (const caption of header) {
      const cell = document.createElement('th');
      cell.scope = 'col';
      cell.textContent = caption;
      head.append(cell);
    }
    const body = table.createTBody();
    lines.forEach((line, i) => {
      const row = body.insertRow();
      row.tabIndex = -1;
      for (const text of line) row.insertCell().textContent = text;
      row.addEventListener('click', () => {
        this.focusRow(i);
        this.actions.choose(i);
      });
      row.addEventListener('keydown', (event) => this.rowKey(event, i));
      this.rows.push(row);
    });
    wrap.append(table);
    return wrap;
  }

  private rowKey(event: KeyboardEvent, i: number): void {
    const last = this.rows.length - 1;
    const target = { ArrowUp: i - 1, ArrowDown: i + 1, Home: 0, End: last }[event.key];
    if (event.key === 'Enter') {
      event.preventDefault();
      this.actions.choose(i);
    } else if (target !== undefined) {
      event.preventDefault();
      this.focusRow(Math.min(last, Math.max(0, target)));
    }
  }

  private focusRow(i: number): void {
    this.rows.forEach((row, k) => (row.tabIndex = k === i ? 0 : -1));
    this.rows[i]?.focus();
  }
}
