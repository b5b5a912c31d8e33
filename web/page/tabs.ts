// The row of ship tabs and the panel that shows the current one's frame.
import type { Build, Core, OpenedBuild, Place } from './core.js';
import { ShipFrame } from './frame.js';

export interface TabCallbacks {
  copy(text: string, what: string): void;
}

interface Tab {
  ship: number;
  build: Build;
  frame: ShipFrame;
  caption: HTMLButtonElement;
}

let tabCount = 0;

export class ShipTabs {
  private tabs: Tab[] = [];
  private current = -1;
  private readonly places: Place[];
  private readonly names: string[];
  private readonly valueNames: Set<string>;
  private readonly header: string[];
  private readonly emptyText: string;

  constructor(private readonly core: Core, private readonly row: HTMLElement, private readonly panel: HTMLElement,
              private readonly callbacks: TabCallbacks) {
    this.places = core.framePlaces();
    this.names = core.textNames();
    this.valueNames = new Set(this.names);
    this.header = core.materialHeader();
    this.emptyText = panel.textContent ?? '';
    row.addEventListener('keydown', (event) => this.key(event));
  }

  open(ship: number, build: Build): void {
    const tab: Tab = {
      ship, build,
      frame: new ShipFrame(this.places, this.valueNames, this.header, this.core.materialLines(ship), {
        choose: (material) => this.change(tab, { ...tab.build, material }),
        step: (spinner, up) => this.change(tab, this.core.step(tab.ship, tab.build, spinner, up)),
        close: () => this.close(this.tabs.indexOf(tab)),
        copyBuild: () => this.callbacks.copy(this.core.buildsText([{ ship: tab.ship, build: tab.build }]), 'ビルド'),
        copyLink: () => this.callbacks.copy(this.link(tab), 'リンク'),
      }),
      caption: document.createElement('button') as HTMLButtonElement,
    };
    const caption = tab.caption;
    caption.type = 'button';
    caption.setAttribute('role', 'tab');
    caption.id = `ship-tab-${++tabCount}`;
    caption.setAttribute('aria-controls', this.panel.id);
    caption.textContent = this.core.shownName(ship);
    caption.addEventListener('click', () => this.select(this.tabs.indexOf(tab)));
    this.row.append(caption);
    this.tabs.push(tab);
    this.refresh(tab);
    this.select(this.tabs.length - 1);
  }

  openAll(builds: readonly OpenedBuild[]): void {
    for (const { ship, build } of builds) this.open(ship, build);
  }

  closeAll(): void {
    this.tabs = [];
    this.row.replaceChildren();
    this.select(-1);
  }

  currentBuild(): OpenedBuild | undefined {
    const tab = this.tabs[this.current];
    return tab === undefined ? undefined : { ship: tab.ship, build: tab.build };
  }

  private link(tab: Tab): string {
    const page = new URL(location.href);
    page.hash = '';
    return `${page.href.replace(/#$/, '')}#${this.core.linkFragment(tab.ship, tab.build)}`;
  }

  private change(tab: Tab, build: Build): void {
    tab.build = build;
    this.refresh(tab);
  }

  private refresh(tab: Tab): void {
    tab.frame.show(this.names, this.core.tabTexts(tab.ship, tab.build), tab.build.material);
  }

  // As the desktop: closing the current tab makes the following one current, or the first
  // when it was the last.
  private close(i: number): void {
    const tab = this.tabs[i];
    if (tab === undefined) return;
    const hadFocus = tab.frame.element.contains(document.activeElement);
    tab.caption.remove();
    this.tabs.splice(i, 1);
    let next = this.current;
    if (i === this.current) next = i < this.tabs.length ? i : 0;
    else if (i < this.current) next = this.current - 1;
    this.current = -1;
    this.select(this.tabs.length === 0 ? -1 : next);
    if (hadFocus) (this.tabs[this.current]?.caption ?? this.row).focus();
  }

  private select(i: number): void {
    this.current = i;
    this.tabs.forEach((tab, k) => {
      tab.caption.setAttribute('aria-selected', String(k === i));
      tab.caption.tabIndex = k === i ? 0 : -1;
    });
    const tab = this.tabs[i];
    if (tab === undefined) {
      this.panel.removeAttribute('aria-labelledby');
      const empty = document.createElement('p');
      empty.className = 'empty';
      empty.textContent = this.emptyText;
      this.panel.replaceChildren(empty);
      return;
    }
    this.panel.setAttribute('aria-labelledby', tab.caption.id);
    this.panel.replaceChildren(tab.frame.element);
    tab.caption.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  }

  private key(event: KeyboardEvent): void {
    const count = this.tabs.length;
    const target = { ArrowLeft: this.current - 1, ArrowRight: this.current + 1, Home: 0, End: count - 1 }[event.key];
    if (count === 0 || target === undefined) return;
    event.preventDefault();
    this.select((target + count) % count);
    this.tabs[this.current]?.caption.focus();
  }
}
