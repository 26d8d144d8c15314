// Open from card fills a form from a file the command line wrote, so that Generate
// writes the same file again; a damaged file is refused and leaves the form alone.
import assert from 'node:assert/strict';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { kCases } from './cases.mjs';
import {
  cliBytes, control, folderFile, form, formState, generate, generateDownload, kFileNames, launch, openPage, resultText, servePage,
  setForm, showSection,
} from './support.mjs';

let browser;
let server;
before(async () => { browser = await launch(); server = await servePage(); });
after(async () => { await browser.close(); server.close(); });

const folder = mkdtempSync(join(tmpdir(), 'mms-page-open-'));
function fileOnDisk(name, bytes) {
  const path = join(folder, name);
  writeFileSync(path, bytes);
  return path;
}

async function openFromCard(page, kind, path) {
  await showSection(page, kind);
  await control(page, kind, 'File_Open').setInputFiles(path);
  await page.waitForFunction((id) => document.querySelector(`form#${id} .result`).textContent !== '', kind);
}

describe('a file the command line wrote', () => {
  // Not the defaults: each file differs from what the form shows before opening it.
  for (const { kind, title, cli } of kCases.filter((c) => c.cli.length)) {
    test(`${kind}: ${title}`, async () => {
      const written = cliBytes(kind, cli);
      const page = await openPage(browser, server.url);
      await openFromCard(page, kind, fileOnDisk(kFileNames[kind], written));
      assert.doesNotMatch(await resultText(page, kind), /not opened/);
      if (kind !== 'camera') {
        const mode = await control(page, kind, 'ComboBox_MMSMode').evaluate((list) => list.selectedIndex);
        assert.equal(mode, 1, 'a file opens in Manual mode');
      }
      assert.deepEqual((await generateDownload(page, kind)).bytes, written);
      await page.context().close();
    });
  }

  test('camera: its clock and its cycling save, which the form does not offer, go back into the file', async () => {
    const written = cliBytes('camera', ['--cycling-save', 'on']);
    written.writeUInt16BE(2031, 11); // the year; the checksum follows
    written.writeUInt32BE(written.subarray(0, 55).reduce((sum, b) => sum + b, 0), 55);
    const page = await openPage(browser, server.url);
    await openFromCard(page, 'camera', fileOnDisk('clock.dat', written));
    assert.match(await control(page, 'camera', 'Edit_SetClock').innerText(), /2031/);
    assert.deepEqual((await generateDownload(page, 'camera')).bytes, written);
    await page.context().close();
  });

  test('from the chosen card folder', async () => {
    const written = cliBytes('email', ['--mode', 'manual', '--apn', 'internet.example', '--email2', 'b@example.org']);
    const page = await openPage(browser, server.url, { folder: true });
    await showSection(page, 'email');
    await control(page, 'email', 'Button_Select').click();
    await page.evaluate(async (bytes) => {
      const root = await navigator.storage.getDirectory();
      const writable = await (await root.getFileHandle('SMTPSETUP.dat', { create: true })).createWritable();
      await writable.write(new Uint8Array(bytes));
      await writable.close();
    }, [...written]);
    await control(page, 'email', 'Button_OpenFromCard').click();
    await page.waitForFunction(() => document.querySelector('form#email .result').textContent !== '');
    assert.equal(await control(page, 'email', 'Edit_APN').inputValue(), 'internet.example');
    // Gone from the folder, so that only Generate can bring it back.
    await page.evaluate(async () => (await navigator.storage.getDirectory()).removeEntry('SMTPSETUP.dat'));
    await generate(page, 'email');
    assert.deepEqual(await folderFile(page, 'SMTPSETUP.dat'), written);
    await page.context().close();
  });
});

describe('a damaged file is refused and the form keeps its values', () => {
  const flipped = (bytes, offset) => { const copy = Buffer.from(bytes); copy[offset] ^= 0x01; return copy; };
  const kDamaged = [
    { kind: 'camera', title: 'a changed byte', bytes: flipped(cliBytes('camera', []), 3), problem: /checksum/ },
    { kind: 'mms', title: 'cut short', bytes: cliBytes('mms', []).subarray(0, 900), problem: /900 bytes/ },
    { kind: 'email', title: 'a broken text line', bytes: flipped(cliBytes('email', []), 117), problem: /apn/ },
  ];
  for (const { kind, title, bytes, problem } of kDamaged) {
    test(`${kind}: ${title}`, async () => {
      const page = await openPage(browser, server.url);
      await setForm(page, kind, kind === 'camera' ? [['ComboBox_Mode', 'Video']] : [['ComboBox_MMSStatus', 'VGA']]);
      const before = await formState(page, kind);
      await openFromCard(page, kind, fileOnDisk(`damaged-${kind}.dat`, bytes));
      assert.match(await resultText(page, kind), problem);
      assert.equal(await form(page, kind).locator('.result.failed').count(), 1);
      assert.deepEqual(await formState(page, kind), before);
      await page.context().close();
    });
  }
});
