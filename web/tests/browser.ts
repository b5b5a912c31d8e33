// Debian's Chromium, headless, with a profile of its own that is removed afterwards, and the
// site folder served on a free port of 127.0.0.1.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import puppeteer, { type Browser, type Page } from 'puppeteer-core';
import { serve, type Site } from './server.js';

export interface Session {
  browser: Browser;
  site: Site;
  newPage(width: number, height?: number): Promise<Page>;
  close(): Promise<void>;
}

export const siteFolder = process.env['SHIPPLANNER_SITE'] ?? 'build-web/site';

export async function startSession(): Promise<Session> {
  const profile = await mkdtemp(join(tmpdir(), 'shipplanner-chromium-'));
  const site = await serve(siteFolder);
  const browser = await puppeteer.launch({
    executablePath: process.env['CHROMIUM'] ?? '/usr/bin/chromium',
    headless: true,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           `--user-data-dir=${profile}`],
  });
  return {
    browser, site,
    async newPage(width, height = 900) {
      const page = await browser.newPage();
      await page.setViewport({ width, height });
      return page;
    },
    async close() {
      await browser.close();
      await site.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// A page in a browser context of its own (storage, service workers), whose clipboard writes are
// kept in window.copiedTexts, and which notes any page error and any request that failed or left
// the site.
export async function casePage(session: Session, width: number, height = 800):
    Promise<{ page: Page; failures: string[]; close(): Promise<void> }> {
  const context = await session.browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width, height });
  await page.evaluateOnNewDocument(() => {
    const copiedTexts: string[] = [];
    (window as unknown as { copiedTexts: string[] }).copiedTexts = copiedTexts;
    navigator.clipboard.writeText = async (t: string) => void copiedTexts.push(t);
  });
  const failures: string[] = [];
  page.on('pageerror', (error) => failures.push(String(error)));
  page.on('requestfailed', (request) => failures.push(`${request.url()} failed`));
  page.on('request', (request) => {
    if (!request.url().startsWith(session.site.url)) failures.push(`${request.url()} is outside the site`);
  });
  return { page, failures, close: () => context.close() };
}

export interface Case {
  name: string;
  width?: number;
  run(page: Page, session: Session): Promise<void>;
}

// A table of cases, each on a fresh page with the planner open, in one browser.
export function describeCases(name: string, cases: readonly Case[], setUp = async () => {}, tearDown = async () => {}): void {
  describe(name, () => {
    let session: Session;
    before(async () => {
      await setUp();
      session = await startSession();
    });
    after(async () => {
      await session?.close();
      await tearDown();
    });
    for (const c of cases) {
      it(c.name, async () => {
        const { page, failures, close } = await casePage(session, c.width ?? 1280);
        try {
          await openPlanner(page, session.site.url);
          await c.run(page, session);
          assert.deepEqual(failures, []);
        } finally {
          await close();
        }
      });
    }
  });
}

// Opens the page and waits until the data is shown.
export async function openPlanner(page: Page, url: string): Promise<void> {
  await page.goto(url);
  await page.waitForSelector('html[data-ready=true]', { timeout: 20000 });
}

// The text of the element of a pinned name.
export const text = (page: Page, name: string) => page.$eval(`[data-name=${name}]`, (e) => e.textContent ?? '');

// What the page has put on the clipboard, oldest first.
export const copiedTexts = (page: Page) => page.evaluate(() => (window as unknown as { copiedTexts: string[] }).copiedTexts);

// Both data files dropped on the page, as a user drags them there.
export async function dropFiles(page: Page, ships: Buffer, materials: Buffer): Promise<void> {
  await page.evaluate((s, m) => {
    const data = new DataTransfer();
    data.items.add(new File([new Uint8Array(s)], 'ship_varietion.csv'));
    data.items.add(new File([new Uint8Array(m)], 'ship_material.csv'));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
  }, [...ships], [...materials]);
}
