// The finder's worker: a core of its own, holding the same catalogue as the page's, answers
// searches and sorts in turn. A request that a later search makes pointless is skipped.
import { loadCore, type Core } from './core.js';
import { RowFields, type Reply, type Request } from './searching.js';

const queue: Request[] = [];
let core: Core | undefined;
let scheduled = false;
let kept: Int32Array = new Int32Array(0); // the rows as the page shows them, for the next sort
let why = ''; // and why the query behind them found none, which a sort keeps

function reply(message: Reply, transfer: Transferable[] = []): void {
  self.postMessage(message, { transfer });
}

function answer(request: Request, core: Core): void {
  switch (request.kind) {
    case 'load': {
      const refused = core.loadData(request.ships, request.materials);
      kept = new Int32Array(0); // its ships were the old catalogue's
      why = '';
      if (refused !== '') reply({ kind: 'failed', message: refused });
      break;
    }
    case 'find': {
      const { rows, message } = core.findBuilds(request.query);
      kept = rows;
      why = message;
      const copy = rows.slice();
      reply({ kind: 'rows', seq: request.seq, rows: copy, message, column: -1, descending: false }, [copy.buffer]);
      break;
    }
    case 'sort': {
      kept = core.sortRows(kept, request.column, request.descending);
      const copy = kept.slice();
      reply({ kind: 'rows', seq: request.seq, rows: copy, message: why, column: request.column, descending: request.descending },
            [copy.buffer]);
      break;
    }
    case 'text': {
      const r = request.rows;
      const builds = [];
      for (let i = 0; i + RowFields <= r.length; i += RowFields)
        builds.push({ ship: r[i]!, build: { material: r[i + 1]!, percent: r[i + 2]!, cabins: r[i + 3]!, ports: r[i + 4]! } });
      reply({ kind: 'text', seq: request.seq, text: core.buildsText(builds) });
      break;
    }
  }
}

// One request a task, so that requests which came meanwhile are seen before the next.
function drain(): void {
  scheduled = false;
  const request = queue.shift();
  if (request === undefined || core === undefined) return;
  const outdated = (request.kind === 'find' || request.kind === 'sort') && queue.some((later) => later.kind === 'find');
  if (!outdated) answer(request, core);
  schedule();
}

function schedule(): void {
  if (scheduled || core === undefined || queue.length === 0) return;
  scheduled = true;
  setTimeout(drain, 0);
}

self.addEventListener('message', (event: MessageEvent<Request>) => {
  queue.push(event.data);
  schedule();
});

loadCore().then((loaded) => {
  core = loaded;
  schedule();
}, (error: unknown) => reply({ kind: 'failed', message: String(error) }));
