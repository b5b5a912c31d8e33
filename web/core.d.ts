// The core compiled to WebAssembly (web/bindings.cpp), as the page sees it. Every figure, bound
// and text comes from here; the page only places them.

// What the user changes in a tab, as on the desktop.
export interface Build {
  material: number; // 0 to 10, a line of the material list
  percent: number;
  cabins: number;
  ports: number;
}

export interface OpenedBuild {
  ship: number; // index in the catalogue
  build: Build;
}

// What pasted rows or a link open, and the message for what they could not ("" when all opened).
export interface Opened {
  builds: OpenedBuild[];
  message: string;
}

// One box of the tab frame, in pixels at 96 dpi, as the desktop lays it out.
export interface Place {
  name: string;    // the desktop widget's object name, the page's data-name
  caption: string; // a label's text, blanks kept; "" for a box the core fills
  x: number;
  y: number;
  width: number;
  height: number;
  colour: string;  // "#rrggbb", "" for none
  labelledBy: string; // the label naming a value box, "" for none
  accessibleName?: string; // a spinner's or the close button's name for a screen reader
  downName?: string; // a spinner's arrows
  upName?: string;
}

// A query as typed: a requirement left "" asks for nothing.
export interface QueryTexts {
  adventure: boolean;
  trade: boolean;
  combat: boolean;
  required: string[]; // seven, in finderCaptions().required's order
  lowestPercent: string;
  highestPercent: string;
  goal: number; // 0 to 5, finderCaptions().goals' order
  everyMaterial: boolean;
}

export interface FinderCaptions {
  required: { name: string; caption: string; bound: string }[];
  goals: string[];
  numberColumns: boolean[]; // per column: a figure, lined up on the right
}

// Found builds cross as an Int32Array of seven numbers a row: ship, material, percent, cabins,
// ports, price, capacity.

export interface Core {
  // Loads the two files from their bytes with the desktop's loader. Returns the message the
  // desktop shows for an unreadable file ("" for none); a malformed file is never an error.
  loadData(ships: Uint8Array, materials: Uint8Array): string;
  shipCount(): number;
  // The list's entries for the three type boxes, in the desktop list's order: each the decoded
  // name as listed and the catalogue index that opening it opens (the first ship of that name).
  listedShips(adventure: boolean, trade: boolean, combat: boolean): { name: string; ship: number }[];
  // The name a tab caption shows (cut as on the desktop).
  shownName(ship: number): string;
  startingBuild(ship: number): Build;
  // The layout of a tab frame: every label, value box, spinner, the list and the close button.
  framePlaces(): Place[];
  // data-name of each value box, in the order of tabTexts.
  textNames(): string[];
  // The texts of the value boxes for a build, as the desktop tab shows them, blanks kept.
  tabTexts(ship: number, build: Build): string[];
  // The material list: its four captions, then eleven lines of four texts each.
  materialHeader(): string[];
  materialLines(ship: number): string[][];
  // One press of a spinner ("UpDown1" ratio, "UpDown3" cabins, "UpDown4" gun ports).
  step(ship: number, build: Build, spinner: string, up: boolean): Build;
  // Builds as text: the header row and one row a build, each ending in "\n".
  buildsText(builds: OpenedBuild[]): string;
  // Pasted text, as the desktop's Ctrl+V reads it (rows of build text, or a link).
  readPasted(text: string): Opened;
  // A link's fragment (without "#") for a build, and the way back.
  linkFragment(ship: number, build: Build): string;
  readLink(fragment: string): Opened;

  // The build finder: the desktop finder's rows for a query (in its order), or why the typed
  // query cannot be searched for (rows empty then).
  findBuilds(query: QueryTexts): { rows: Int32Array; message: string };
  // Rows sorted by one column (a header click), as the desktop sorts them.
  sortRows(rows: Int32Array, column: number, descending: boolean): Int32Array;
  // The 32 captions of a copied build's header, and one build's 32 cells, unquoted.
  headerCells(): string[];
  rowCells(ship: number, build: Build): string[];
  finderCaptions(): FinderCaptions;
  // The words both programs show, by name (data-word and data-word-label on the page).
  words(): Record<string, string>;
}

// The module factory emscripten makes (MODULARIZE, EXPORT_ES6).
export default function createCore(options?: { locateFile?(path: string): string }): Promise<Core>;
