// Debian's Chromium, headless, with a profile of its own that is removed afterwards, and the
// site folder served on a free port of 127.0.0.1.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
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

// Opens the page and waits until the data is shown.
export async function openPlanner(page: Page, url: string): Promise<void> {
  await page.goto(url);
  await page.waitForSelector('html[data-ready=true]', { timeout: 20000 });
}
