// Saves pictures of the page: docs/web-desktop.png (1280 wide, a ship open) and
// docs/web-phone.png (360 wide). Run by scripts/screenshot.sh web.
import { startSession, openPlanner } from './browser.js';

const session = await startSession();
try {
  for (const [file, width, height] of [['docs/web-desktop.png', 1280, 720], ['docs/web-phone.png', 360, 740]] as const) {
    const page = await session.newPage(width, height);
    await openPlanner(page, session.site.url);
    await page.click('[data-name=ShipListBox] [role=option]');
    await page.waitForSelector('[data-name=ShipTabFrame]');
    await page.screenshot({ path: file, fullPage: true });
    await page.close();
    console.log(`saved ${file}`);
  }
} finally {
  await session.close();
}
