// The ship list: a listbox whose options open their ship. The selected option follows the
// arrows; a click, a tap or Enter opens it.
export interface ListedShip {
  name: string;
  ship: number;
}

export class ShipList {
  private entries: ListedShip[] = [];
  private selected = -1;

  constructor(private readonly element: HTMLElement, private readonly open: (ship: number) => void) {
    element.addEventListener('keydown', (event) => this.key(event));
    element.addEventListener('click', (event) => {
      const option = (event.target as Element).closest('[role=option]');
      if (!(option instanceof HTMLElement)) return;
      const i = Number(option.dataset['index']);
      this.select(i);
      // The second click of a double-click opens nothing more.
      if (event.detail <= 1) this.open(this.entries[i]?.ship ?? -1);
    });
  }

  fill(entries: ListedShip[]): void {
    this.entries = entries;
    this.selected = -1;
    this.element.removeAttribute('aria-activedescendant');
    this.element.replaceChildren(...entries.map((entry, i) => {
      const option = document.createElement('div');
      option.setAttribute('role', 'option');
      option.setAttribute('aria-selected', 'false');
      option.id = `ship-option-${i}`;
      option.dataset['index'] = String(i);
      option.textContent = entry.name;
      return option;
    }));
  }

  listed(): readonly ListedShip[] {
    return this.entries;
  }

  private select(i: number): void {
    const options = this.element.children;
    options[this.selected]?.setAttribute('aria-selected', 'false');
    this.selected = i;
    const option = options[i];
    if (option === undefined) return;
    option.setAttribute('aria-selected', 'true');
    this.element.setAttribute('aria-activedescendant', option.id);
    option.scrollIntoView({ block: 'nearest' });
  }

  private key(event: KeyboardEvent): void {
    const count = this.entries.length;
    if (count === 0) return;
    const page = Math.max(1, Math.floor(this.element.clientHeight / 18) - 1);
    const from = this.selected;
    const moves: Record<string, number> = {
      ArrowDown: from + 1, ArrowUp: from < 0 ? 0 : from - 1, PageDown: from + page, PageUp: from - page,
      Home: 0, End: count - 1,
    };
    const target = moves[event.key];
    if (target !== undefined) {
      event.preventDefault();
      this.select(Math.min(count - 1, Math.max(0, target)));
    } else if (event.key === 'Enter' && from >= 0) {
      event.preventDefault();
      this.open(this.entries[from]?.ship ?? -1);
    } else if (event.key === ' ') {
      event.preventDefault();
      this.select(Math.max(0, from));
    }
  }
}
