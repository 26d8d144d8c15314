// The page's size, and its time from navigation until the forms are filled and
// Generate can be pressed, against a static page with one form and no script. Both
// open from file:// in headless Chromium, a fresh browser context each time, taking
// turns in one loop so that a busy moment of the machine weighs on both alike.
//
// Usage: node bench/page.mjs PAGE [RUNS]     (RUNS defaults to 40)
import { mkdtempSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [pagePath, runsText = '40'] = process.argv.slice(2);
if (!pagePath) throw new Error('usage: node bench/page.mjs PAGE [RUNS]');
const runs = Number(runsText);

const kStaticPage = `<!doctype html><html lang="en"><head><meta charset="utf-8"><title>One form</title></head>
<body><form id="camera"><label for="mode">Mode</label><select id="mode" name="ComboBox_Mode">
<option>Camera</option><option>Video</option></select>
<button type="button" name="Button_Generate">Generate</button></form></body></html>`;
const staticPath = join(mkdtempSync(join(tmpdir(), 'mms-bench-')), 'one-form.html');
writeFileSync(staticPath, kStaticPage);

const subjects = [
  { label: 'mms-setup.html until ready', url: pathToFileURL(pagePath).href,
    ready: 'body[data-ready] form#camera button[name="Button_Generate"]' },
  { label: 'static page with one form', url: pathToFileURL(staticPath).href,
    ready: 'form#camera button[name="Button_Generate"]' },
];

const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium' });
const times = subjects.map(() => []);
// The first round warms the browser's own caches and is not counted.
for (let round = -1; round < runs; ++round) {
  for (const [i, subject] of subjects.entries()) {
    const context = await browser.newContext();
    const page = await context.newPage();
    const start = performance.now();
    await page.goto(subject.url, { waitUntil: 'commit' });
    await page.waitForSelector(subject.ready, { state: 'visible' });
    if (round >= 0) times[i].push(performance.now() - start);
    await context.close();
  }
}
await browser.close();

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const sizeKb = statSync(pagePath).size / 1024;
console.log(`Page size: ${sizeKb.toFixed(1)} KB (goal: at most 400 KB)`);
for (const [i, subject] of subjects.entries()) {
  console.log(`${subject.label}: median ${median(times[i]).toFixed(1)} ms over ${runs} runs`);
}
console.log(`Ratio: ${(median(times[0]) / median(times[1])).toFixed(2)}x (goal: at most 2x)`);
