// The finder's searches, made by a core of their own in a worker so that the page never waits.
// Every request carries a number; only the reply to the newest is shown, so a slow older search
// never replaces a newer one's rows.
import type { QueryTexts } from '../core.js';
import type { DataPair } from './store.js';

export type Request =
  | { kind: 'load'; ships: Uint8Array; materials: Uint8Array }
  | { kind: 'find'; seq: number; query: QueryTexts }
  // Sorts the rows the requests before it left, so a sort asked for during a search sorts its rows.
  | { kind: 'sort'; seq: number; column: number; descending: boolean }
  | { kind: 'text'; seq: number; rows: Int32Array };

export type Reply =
  | { kind: 'rows'; seq: number; rows: Int32Array; message: string; column: number; descending: boolean }
  | { kind: 'text'; seq: number; text: string }
  | { kind: 'failed'; message: string };

export interface Found {
  rows: Int32Array; // seven numbers a row (core.d.ts)
  message: string;
  column: number; // the column sorted by, -1 for the goal's order
  descending: boolean;
}

export const RowFields = 7;

export class Searcher {
  private readonly worker: Worker;
  private asked = 0;
  private shown = 0;
  private texts = 0;
  private readonly waiting = new Map<number, (text: string) => void>();

  constructor(private readonly show: (found: Found) => void, private readonly fail: (message: string) => void) {
    this.worker = new Worker(new URL('./worker.js', import.meta.url), { type: 'module' });
    this.worker.addEventListener('message', (event: MessageEvent<Reply>) => this.replied(event.data));
    this.worker.addEventListener('error', (event) => this.fail(event.message));
  }

  // The same bytes as the page's own core, so both cores hold the same catalogue.
  load(pair: DataPair): void {
    this.post({ kind: 'load', ships: pair.ships, materials: pair.materials });
  }

  find(query: QueryTexts): void {
    this.post({ kind: 'find', seq: ++this.asked, query });
  }

  sort(column: number, descending: boolean): void {
    this.post({ kind: 'sort', seq: ++this.asked, column, descending });
  }

  // Rows as build text, made in the worker: a million rows take a while.
  text(rows: Int32Array): Promise<string> {
    const seq = ++this.texts;
    const copy = rows.slice();
    this.post({ kind: 'text', seq, rows: copy }, [copy.buffer]);
    return new Promise((resolve) => this.waiting.set(seq, resolve));
  }

  // A search or sort asked for and not shown yet.
  busy(): boolean {
    return this.shown !== this.asked;
  }

  private post(request: Request, transfer: Transferable[] = []): void {
    this.worker.postMessage(request, transfer);
  }

  private replied(reply: Reply): void {
    if (reply.kind === 'failed') {
      this.fail(reply.message);
    } else if (reply.kind === 'text') {
      this.waiting.get(reply.seq)?.(reply.text);
      this.waiting.delete(reply.seq);
    } else if (reply.seq === this.asked) {
      this.shown = reply.seq;
      this.show(reply);
    }
  }
}
