// Opens a report of the bundled example in headless Chromium, takes a
// screenshot of the whole page and checks what a reader sees:
//   - every section title, in order, is on the page and visible;
//   - every colour swatch cell is painted in its colour;
//   - every picture loaded (a broken picture path has no natural width).
// Usage: node check-report.mjs REPORT.html SCREENSHOT.png
// CHROMIUM names the browser (default /usr/bin/chromium). Prints one line per
// failed check and ends with status 1 when any failed.
import { chromium } from 'playwright-core';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

// The example's section titles in the order the report shows them: the
// summary, then per dictionary its title block and its sections.
const EXPECTED_TITLES = [
  'Plotwarden Dictionary Report',
  'Dictionary Summary',
  'Civil Works',
  'Linear',
  'Annotation',
  'Dimensions',
  'Cells',
  'Symbol Library: drainage',
  'C:\\cells\\drainage.cel',
  '3D Solids',
  'Drainage Layers',
  'Linear',
  'Annotation',
  'Cells',
  'Hatching',
  'Leaders',
];

const [reportPath, screenshotPath] = process.argv.slice(2);
if (!reportPath || !screenshotPath) {
  console.error('usage: node check-report.mjs REPORT.html SCREENSHOT.png');
  process.exit(2);
}

// "#FF0000" (or "FF0000") as the browser computes it: "rgb(255, 0, 0)".
function rgbText(hex) {
  const digits = hex.replace(/^#/, '');
  const channel = (i) => parseInt(digits.slice(i, i + 2), 16);
  return `rgb(${channel(0)}, ${channel(2)}, ${channel(4)})`;
}

const profile = mkdtempSync(join(tmpdir(), 'plotwarden-chromium-'));
const failures = [];
let context;
try {
  context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    viewport: { width: 1280, height: 900 },
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  });
  const page = context.pages()[0] ?? (await context.newPage());
  await page.goto(pathToFileURL(resolve(reportPath)).href, { waitUntil: 'load' });

  // Section titles (cfeaturetypeheading) and title blocks (dictname).
  const titles = await page
    .locator('td.cfeaturetypeheading, td.dictname')
    .evaluateAll((cells) =>
      cells.map((cell) => {
        const box = cell.getBoundingClientRect();
        const style = getComputedStyle(cell);
        return {
          text: cell.innerText.trim(),
          shown: box.width > 0 && box.height > 0 && style.visibility !== 'hidden',
        };
      }),
    );
  const shownTitles = titles.filter((t) => t.shown).map((t) => t.text);
  if (JSON.stringify(shownTitles) !== JSON.stringify(EXPECTED_TITLES)) {
    failures.push(
      `section titles shown:\n    ${shownTitles.join('\n    ')}\n  expected:\n    ${EXPECTED_TITLES.join('\n    ')}`,
    );
  }

  // Swatch cells carry their colour as bgcolor; the browser must paint it.
  const swatches = await page.locator('td[bgcolor]').evaluateAll((cells) =>
    cells.map((cell) => ({
      colour: cell.getAttribute('bgcolor'),
      painted: getComputedStyle(cell).backgroundColor,
      width: cell.getBoundingClientRect().width,
    })),
  );
  if (swatches.length === 0) failures.push('no colour swatch on the page');
  for (const swatch of swatches) {
    if (!/^#[0-9A-Fa-f]{6}$/.test(swatch.colour) || swatch.painted !== rgbText(swatch.colour) ||
        swatch.width === 0)
      failures.push(`swatch ${swatch.colour} is painted ${swatch.painted}, ${swatch.width}px wide`);
  }

  // Every picture has loaded.
  const pictures = await page.locator('img').evaluateAll((images) =>
    images.map((image) => ({
      source: image.getAttribute('src'),
      loaded: image.complete && image.naturalWidth > 0,
    })),
  );
  if (pictures.length === 0) failures.push('no picture on the page');
  for (const picture of pictures) {
    if (!picture.loaded) failures.push(`picture ${picture.source} did not load`);
  }

  await page.screenshot({ path: screenshotPath, fullPage: true });
  console.log(
    `${shownTitles.length} section titles, ${swatches.length} colour swatches, ` +
      `${pictures.length} pictures checked; screenshot ${screenshotPath}`,
  );
} finally {
  if (context) await context.close();
  rmSync(profile, { recursive: true, force: true });
}

for (const failure of failures) console.log(`FAILED: ${failure}`);
process.exit(failures.length > 0 ? 1 : 0);
