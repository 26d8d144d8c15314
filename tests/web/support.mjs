// What the page's suites share: the built page, the command line to compare with,
// headless Chromium, and ways to set a form and catch the bytes Generate produces.
// MMS_PAGE is the built mms-setup.html, MMS_SETUP_CLI the native mms-setup-cli;
// CHROMIUM the browser (Debian's by default).

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

export const pagePath = process.env.MMS_PAGE;
const cliPath = process.env.MMS_SETUP_CLI;
if (!pagePath || !cliPath) throw new Error('Set MMS_PAGE and MMS_SETUP_CLI (make test-web does)');

export const fileUrl = pathToFileURL(pagePath).href;
// A computer clock that stands still, so that the page's camera clock and the command
// line's agree however long a test takes.
export const kClock = '2026-03-04T05:06:07';

export async function launch() {
  return chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium' });
}

// The page from a local web server: the origin-private file system needs a real origin.
export async function servePage() {
  const html = await readFile(pagePath);
  const server = createServer((request, response) => {
    response.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
    response.end(html);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/mms-setup.html`, close: () => server.close() };
}

// Opens the page with the fixed clock; with `folder`, Choose card folder picks the
// origin-private file system, emptied first; with `blockNetwork`, every request
// beyond the page's own file fails and is listed in page.blocked.
export async function openPage(browser, url, { folder = false, blockNetwork = false, context: contextOptions = {} } = {}) {
  const context = await browser.newContext({ ...contextOptions, offline: blockNetwork });
  const blocked = [];
  if (blockNetwork) {
    await context.route((address) => !/^(file|blob|data):/.test(address.href), (route) => {
      blocked.push(route.request().url());
      return route.abort();
    });
  }
  const page = await context.newPage();
  page.blocked = blocked;
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.errors = errors;
  await page.clock.setFixedTime(new Date(kClock));
  if (folder) {
    await page.addInitScript(() => {
      window.showDirectoryPicker = async () => {
        const root = await navigator.storage.getDirectory();
        for await (const name of root.keys()) await root.removeEntry(name);
        return root;
      };
    });
  }
  await page.goto(url);
  await page.waitForSelector('body[data-ready]');
  return page;
}

// Runs `body` on a page opened with `options` and closes the page after it, failing
// when the page threw an error on the way.
export async function pageSession(browser, url, options, body) {
  const page = await openPage(browser, url, options);
  try {
    await body(page);
    assert.deepEqual(page.errors, []);
  } finally {
    await page.context().close();
  }
}

export function form(page, id) {
  return page.locator(`form#${id}`);
}

export function control(page, formId, name) {
  return form(page, formId).locator(`[name="${name}"]`);
}

export async function showSection(page, formId) {
  await page.locator(`nav button[aria-controls="${formId}"]`).click();
}

// Settings are [control name, value] in order: a list takes its item's text (or
// { index }), a text field its text.
export async function setForm(page, formId, settings) {
  await showSection(page, formId);
  for (const [name, value] of settings) {
    const target = control(page, formId, name);
    if (await target.evaluate((node) => node.tagName === 'SELECT')) {
      await target.selectOption(typeof value === 'object' ? value : { label: value });
    } else {
      await target.fill(value);
    }
  }
}

export async function resultText(page, formId) {
  return form(page, formId).locator('.result').innerText();
}

// Presses Generate and returns the downloaded file's name and bytes.
export async function generateDownload(page, formId) {
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    control(page, formId, 'Button_Generate').click(),
  ]);
  return { name: download.suggestedFilename(), bytes: await readFile(await download.path()) };
}

// The file of that name in the origin-private file system, or null.
export async function folderFile(page, name) {
  const bytes = await page.evaluate(async (fileName) => {
    const root = await navigator.storage.getDirectory();
    try {
      const file = await (await root.getFileHandle(fileName)).getFile();
      return [...new Uint8Array(await file.arrayBuffer())];
    } catch {
      return null;
    }
  }, name);
  return bytes && Buffer.from(bytes);
}

// Presses Generate and waits for the page to say what came of it.
export async function generate(page, formId) {
  const result = form(page, formId).locator('.result');
  const before = await result.textContent();
  await control(page, formId, 'Button_Generate').click();
  await page.waitForFunction(([id, text]) => document.querySelector(`form#${id} .result`).textContent !== text,
    [formId, before]);
  return result.innerText();
}

// Chooses the card folder, presses Generate and returns the file written there.
export async function generateIntoFolder(page, formId, name) {
  await control(page, formId, 'Button_Select').click();
  await page.waitForFunction(() => !document.querySelector('button[name="Button_OpenFromCard"]').hidden);
  await generate(page, formId);
  return folderFile(page, name);
}

export const kFileNames = { camera: 'CAMERASETUP.dat', mms: 'MMSSETUP.dat', email: 'SMTPSETUP.dat' };

// The bytes mms-setup-cli writes for `kind` (camera, mms, email) with these options.
export function cliBytes(kind, options) {
  const clock = kind === 'camera' ? ['--clock', kClock] : [];
  // Its advice on standard error is the advice suite's business; a failure still shows it.
  return execFileSync(cliPath, [kind, ...clock, ...options, '--out', '-'], { stdio: ['ignore', 'pipe', 'pipe'] });
}

// Every control's value and state in a form, to show that something left it alone.
export async function formState(page, formId) {
  return form(page, formId).evaluate((node) => [...node.elements]
    .filter((e) => e.name && e.type !== 'file')
    .map((e) => [e.name, e.value, e.disabled, e.readOnly || false, e.tagName === 'SELECT' ? e.options.length : 0]));
}
