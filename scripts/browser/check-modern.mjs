// Opens a modern report (--modern) of the bundled example in headless
// Chromium, takes a screenshot of the whole page and checks what a reader
// meets:
//   - every section heading, in order, is on the page and visible;
//   - every colour swatch is painted in its colour;
//   - every picture loaded;
//   - the filter box hides the rows without the typed text and brings them
//     back when it is cleared (and how long that took);
//   - every link of the table of contents lands on its section;
//   - the page logs no error.
// Usage: node check-modern.mjs REPORT.html SCREENSHOT.png [FILTER-TEXT]
import { chromium } from 'playwright-core';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const EXPECTED_HEADINGS = [
  'Plotwarden Dictionary Report', 'Contents', 'Dictionary Summary',
  'Civil Works', 'Linear', 'Annotation', 'Dimensions', 'Cells', 'Symbol Library: drainage',
  '3D Solids',
  'Drainage Layers', 'Linear', 'Annotation', 'Cells', 'Hatching', 'Leaders',
];

const [reportPath, screenshotPath, filterText = 'kerb'] = process.argv.slice(2);
if (!reportPath || !screenshotPath) {
  console.error('usage: node check-modern.mjs REPORT.html SCREENSHOT.png [FILTER-TEXT]');
  process.exit(2);
}
const checkHeadings = process.argv.length <= 4;

const profile = mkdtempSync(join(tmpdir(), 'plotwarden-chromium-'));
const failures = [];
const pageErrors = [];
let context;
try {
  context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    viewport: { width: 1280, height: 900 },
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  const page = context.pages()[0] ?? (await context.newPage());
  page.on('console', (message) => { if (message.type() === 'error') pageErrors.push(message.text()); });
  page.on('pageerror', (error) => pageErrors.push(String(error)));
  await page.goto(pathToFileURL(resolve(reportPath)).href, { waitUntil: 'load', timeout: 0 });

  if (checkHeadings) {
    const headings = await page.locator('h1, h2, h3').evaluateAll((all) =>
      all.filter((h) => h.getBoundingClientRect().height > 0).map((h) => h.innerText.trim()));
    if (JSON.stringify(headings) !== JSON.stringify(EXPECTED_HEADINGS))
      failures.push(`headings shown:\n    ${headings.join('\n    ')}`);
  }

  // Tables off screen are not rendered until scrolled to; the checks below
  // look at all of them at once.
  await page.evaluate(() => document.querySelectorAll('section.part>.scroll')
    .forEach((table) => { table.style.contentVisibility = 'visible'; }));
  const swatches = await page.locator('span.swatch').evaluateAll((all) => all.map((s) => ({
    wanted: s.getAttribute('style'),
    painted: getComputedStyle(s).backgroundColor,
    width: s.getBoundingClientRect().width,
  })));
  if (checkHeadings && swatches.length === 0) failures.push('no colour swatch on the page');
  for (const s of swatches) {
    const hex = /#([0-9A-Fa-f]{6})/.exec(s.wanted)?.[1] ?? '';
    const rgb = `rgb(${[0, 2, 4].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;
    if (s.painted !== rgb || s.width === 0) failures.push(`swatch ${s.wanted} painted ${s.painted}`);
  }

  // Pictures load lazily: each is asked for, then waited for.
  const pictures = await page.evaluate(async () => {
    const images = [...document.images];
    await Promise.all(images.map((image) => {
      image.loading = 'eager';
      return image.complete ? null : new Promise((done) => { image.onload = image.onerror = done; });
    }));
    return images.map((image) => ({ source: image.getAttribute('src'), loaded: image.naturalWidth > 0 }));
  });
  for (const p of pictures) if (!p.loaded) failures.push(`picture ${p.source} did not load`);

  const visibleRows = () => page.evaluate(() =>
    [...document.querySelectorAll('section.part>.scroll>table>tbody>tr')].filter((r) => !r.hidden).length);
  const allRows = await visibleRows();
  const started = Date.now();
  await page.fill('#filter', filterText);
  await page.waitForFunction(() =>
    document.getElementById('filter-count').textContent.includes(' of '), null, { timeout: 0 });
  const filterMs = Date.now() - started;
  const scriptMs = await page.evaluate(() => document.getElementById('filter-count').dataset.ms);
  const filtered = await visibleRows();
  await page.fill('#filter', '');
  await page.waitForFunction(() => !document.getElementById('filter-count').textContent.includes(' of '));
  const restored = await visibleRows();
  if (!(filtered > 0 && filtered < allRows) || restored !== allRows)
    failures.push(`filter '${filterText}': ${allRows} rows, ${filtered} shown, ${restored} after clearing`);

  if (checkHeadings) {
    const links = await page.locator('nav.contents a').evaluateAll((all) => all.map((a) => a.getAttribute('href')));
    for (const href of links) {
      await page.click(`nav.contents a[href="${href}"]`);
      // At the top of the window, or in it with the page scrolled to its end.
      const landed = await page.evaluate((id) => {
        const top = document.getElementById(id)?.getBoundingClientRect().top;
        const atEnd = window.scrollY + window.innerHeight >= document.documentElement.scrollHeight - 2;
        return top !== undefined && top >= -2 && top < window.innerHeight && (top <= 2 || atEnd);
      }, href.slice(1));
      if (!landed) failures.push(`contents link ${href} does not land on its section`);
    }
    await page.evaluate(() => window.scrollTo(0, 0));
  }

  await page.screenshot({ path: screenshotPath, fullPage: checkHeadings });
  console.log(`${swatches.length} swatches, ${pictures.length} pictures, filter '${filterText}' ` +
    `${allRows} -> ${filtered} rows: ${scriptMs} ms in the script, ${filterMs} ms from the key to the count ` +
    `(80 ms of it the typing pause); screenshot ${screenshotPath}`);
} finally {
  if (context) await context.close();
  rmSync(profile, { recursive: true, force: true });
}
for (const error of pageErrors) failures.push(`page error: ${error}`);
for (const failure of failures) console.log(`FAILED: ${failure}`);
process.exit(failures.length > 0 ? 1 : 0);
