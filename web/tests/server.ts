// A tiny static server for the site folder, on 127.0.0.1 only.
import { createReadStream } from 'node:fs';
import { stat } from 'node:fs/promises';
import { createServer, type Server } from 'node:http';
import type { AddressInfo } from 'node:net';
import { extname, join, normalize, resolve, sep } from 'node:path';

const Types: Record<string, string> = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm', // streaming compilation needs it
  '.csv': 'text/csv',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
};

export interface Site {
  url: string;
  close(): Promise<void>;
}

export async function serve(root: string, port = 0): Promise<Site> {
  const base = resolve(root);
  const server: Server = createServer((request, response) => {
    void (async () => {
      const path = decodeURIComponent(new URL(request.url ?? '/', 'http://localhost').pathname);
      let file = normalize(join(base, path));
      if (file !== base && !file.startsWith(base + sep)) {
        response.writeHead(403).end();
        return;
      }
      try {
        if ((await stat(file)).isDirectory()) file = join(file, 'index.html');
        await stat(file);
      } catch {
        response.writeHead(404).end();
        return;
      }
      response.writeHead(200, {
        'Content-Type': Types[extname(file)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache',
      });
      createReadStream(file).pipe(response);
    })();
  });
  await new Promise<void>((done) => server.listen(port, '127.0.0.1', done));
  const { port: chosen } = server.address() as AddressInfo;
  return {
    url: `http://127.0.0.1:${chosen}/`,
    close: () => new Promise((done) => {
      server.closeAllConnections();
      server.close(() => done());
    }),
  };
}
