// Saves pictures of the page: docs/web-desktop.png (1280 wide, a ship open),
// docs/web-phone.png (360 wide) and docs/web-find-builds-phone.png (360 wide, the finder
// answering the README's worked query). Run by scripts/screenshot.sh web.
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
  const file = process.env['SHIPPLANNER_FINDER_PICTURE'] ?? 'docs/web-find-builds-phone.png';
  const width = Number(process.env['SHIPPLANNER_FINDER_WIDTH'] ?? 360);
  const page = await session.newPage(width, 740);
  await openPlanner(page, session.site.url);
  await page.click('[data-name=FindBuildsButton]');
  for (const [name, value] of [['MinLSailEdit', '120'], ['MinSSailEdit', '120'], ['MinCabinsEdit', '20'],
                               ['MinPortsEdit', '10'], ['MinHoldEdit', '150']])
    await page.type(`[data-name=${name}]`, value!);
  await page.waitForSelector('[data-name=ResultView][aria-busy=false]');
  await page.click('[data-name=ResultView] tbody tr');
  await page.evaluate(() => document.getElementById('finder')?.scrollIntoView());
  await page.screenshot({ path: file });
  await page.close();
  console.log(`saved ${file}`);
} finally {
  await session.close();
}
