// The page's service worker: keeps every file of the site in a cache named after the site's
// contents, and answers from it first, so the page opens offline. web/build.mjs fills in the
// two names below; a new site makes a new sw.js, which the browser installs on the next visit.
declare const SiteVersion: string;
declare const SiteFiles: string[];

interface Extendable extends Event {
  waitUntil(promise: Promise<unknown>): void;
}
interface Fetching extends Extendable {
  request: Request;
  respondWith(response: Promise<Response>): void;
}
interface Scope {
  skipWaiting(): Promise<void>;
  clients: { claim(): Promise<void> };
  addEventListener(type: 'install' | 'activate', listener: (event: Extendable) => void): void;
  addEventListener(type: 'fetch', listener: (event: Fetching) => void): void;
}
const scope = self as unknown as Scope;
const Prefix = 'shipplanner-';
const CacheName = Prefix + SiteVersion;

scope.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CacheName);
    await cache.addAll(SiteFiles);
    // The new version takes over at once; the page open now keeps what it loaded.
    await scope.skipWaiting();
  })());
});

scope.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const names = await caches.keys();
    await Promise.all(names.filter((name) => name.startsWith(Prefix) && name !== CacheName).map((name) => caches.delete(name)));
    await scope.clients.claim();
  })());
});

scope.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(CacheName);
    // A page address with a query or any path in the folder opens the page itself.
    const kept = await cache.match(request) ?? (request.mode === 'navigate' ? await cache.match('./') : undefined);
    return kept ?? fetch(request);
  })());
});
