// The theme studio in a real browser: Debian's Chromium driven by
// playwright-core, against `glavo studio` started on a free port.
// GLAVO names the glavo binary (the test command passes it).
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

let chromium;
try {
  ({ chromium } = require('playwright-core'));
} catch {
  throw new Error('playwright-core is missing: run scripts/setup.sh (npm ci in tools/studio/test)');
}

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const GLAVO = process.env.GLAVO || path.resolve(__dirname, '../../../build/native/tools/glavo');
const TIMEOUT = 15000;

let server, base, context, page, profile, onyx, candy;

function startStudio() {
  return new Promise((resolve, reject) => {
    server = spawn(GLAVO, ['studio', '--port', '0'], { stdio: ['ignore', 'pipe', 'pipe'] });
    let out = '';
    const timer = setTimeout(() => reject(new Error(`glavo studio printed no address: ${out}`)), TIMEOUT);
    server.stdout.on('data', (chunk) => {
      out += chunk;
      const m = /http:\/\/127\.0\.0\.1:\d+\//.exec(out);
      if (m) { clearTimeout(timer); resolve(m[0]); }
    });
    server.stderr.on('data', (chunk) => { out += chunk; });
    server.on('error', reject);
    server.on('exit', (code) => reject(new Error(`glavo studio exited with ${code}: ${out}`)));
  });
}

// The same field of a theme string with another value.
function withValue(theme, field, position, value) {
  const fields = theme.split('#$#');
  const record = fields[field].split('##');
  record[position] = value;
  fields[field] = record.join('##');
  return fields.join('#$#');
}

async function exported() {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download')]);
  return fs.readFileSync(await download.path(), 'latin1');
}

async function previewShot() {
  return page.locator('#preview-img').screenshot();
}

// Waits until the preview shows a render newer than `count` and no newer
// picture is wanted.
async function renderedAfter(count) {
  await page.waitForFunction((n) => {
    const img = document.getElementById('preview-img');
    return Number(img.dataset.rendered) > n && img.dataset.settled === 'true';
  }, count, { timeout: TIMEOUT });
}

async function renderCount() {
  return Number(await page.locator('#preview-img').getAttribute('data-rendered'));
}

async function openBuiltIn(name) {
  // Choosing the theme the list already shows would not reopen it.
  if (await page.locator('#builtin option:checked').textContent() === name) {
    await page.selectOption('#builtin', { index: name === 'Onyx' ? 2 : 1 });
  }
  const before = await renderCount();
  await page.selectOption('#builtin', { label: name });
  await renderedAfter(before);
}

before(async () => {
  base = await startStudio();
  profile = fs.mkdtempSync(path.join(os.tmpdir(), 'glavo-studio-chromium-'));
  context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    acceptDownloads: true,
    viewport: { width: 1600, height: 900 },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  page = context.pages()[0] || await context.newPage();
  page.setDefaultTimeout(TIMEOUT);
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  const themes = await (await page.request.get(`${base}api/themes`)).json();
  onyx = themes.themes.find((t) => t.name === 'Onyx').theme;
  candy = themes.themes.find((t) => t.name === 'Candy').theme;
  await page.goto(base);
  await page.waitForSelector('body[data-ready="true"]');
  await renderedAfter(0);
  assert.deepEqual(errors, []);
});

after(async () => {
  if (context) await context.close();
  if (server) { server.removeAllListeners('exit'); server.kill(); }
  if (profile) fs.rmSync(profile, { recursive: true, force: true });
});

test('opens Onyx, a colour edit changes the preview, undo brings it back, the export is exact', async () => {
  await openBuiltIn('Onyx');
  assert.equal(await page.textContent('#main-name'), 'Onyx');
  const original = await previewShot();
  await page.click('.look-item[data-look="0"]');
  const hex = page.locator('.field[data-field="CellColor1"] .hex');
  const before = await renderCount();
  await hex.fill('#204080');
  await hex.press('Enter');
  await renderedAfter(before);
  const edited = await previewShot();
  assert.notDeepEqual(edited, original, 'the title bar colour did not reach the preview');
  // #204080 is the OLE colour 0x804020.
  assert.equal(await exported(), withValue(onyx, 0, 10, '8405024') + '\r\n');

  const beforeUndo = await renderCount();
  await page.locator('#preview-img').click({ position: { x: 300, y: 300 } });
  await page.keyboard.press('Control+z');
  await renderedAfter(beforeUndo);
  assert.deepEqual(await previewShot(), original, 'undo did not restore the preview');
  assert.equal(await exported(), onyx + '\r\n');
  await page.keyboard.press('Control+y');
  assert.equal(await exported(), withValue(onyx, 0, 10, '8405024') + '\r\n');
});

test('imports a .gwr file and refuses a file that is not a theme', async () => {
  const before = await renderCount();
  await page.setInputFiles('#file-input', { name: 'Sweets.gwr', mimeType: 'text/plain', buffer: Buffer.from(candy + '\r\n') });
  // Opening a file waits for the server's check first.
  await page.waitForFunction(() => document.getElementById('main-name').textContent === 'Sweets');
  await renderedAfter(before);
  assert.equal(await exported(), candy + '\r\n');

  await page.setInputFiles('#file-input', { name: 'notes.gwr', mimeType: 'text/plain', buffer: Buffer.from('shopping list\r\nmilk') });
  await page.waitForSelector('.message.error');
  const message = await page.textContent('#messages');
  assert.match(message, /notes is not a theme the control can read: a theme string has 24 fields/);
  assert.equal(await exported(), candy + '\r\n', 'a refused file replaced the theme');
});

test('hovering and pressing a caption button shows its over and down looks', async () => {
  await openBuiltIn('Onyx');
  const response = await page.request.post(`${base}api/render`, { data: { theme: onyx, width: 800, height: 600 } });
  const close = JSON.parse(response.headers()['x-glavo-layout']).find((p) => p.part === 'close');
  const box = await page.locator('#preview-img').boundingBox();
  const clip = { x: box.x + close.left, y: box.y + close.top, width: close.width, height: close.height };
  const normal = await page.screenshot({ clip });

  await page.mouse.move(clip.x + close.width / 2, clip.y + close.height / 2);
  await page.waitForSelector('#preview-img[data-hover="close"]');
  assert.equal(await page.textContent('#pointer-state'), 'Close button: over look');
  const over = await page.screenshot({ clip });
  assert.notDeepEqual(over, normal, 'the over look did not show');
  assert.equal(await page.locator('#preview-img').evaluate((img) => img.style.cursor), 'pointer');

  await page.mouse.down();
  await page.waitForSelector('#preview-img[data-pressed="close"]');
  const down = await page.screenshot({ clip });
  assert.notDeepEqual(down, over, 'the down look did not show');
  await page.mouse.up();
  await page.waitForSelector('#preview-img[data-pressed=""][data-hover="close"]');
  // The click picked the close button's look for editing.
  assert.equal(await page.textContent('.inspector-head h2'), 'Close button');

  await page.mouse.move(box.x + 200, box.y + 300);
  await page.waitForSelector('#preview-img[data-hover=""]');
  assert.deepEqual(await page.screenshot({ clip }), normal);

  // Editing the over or down look shows it on the button without the pointer.
  await page.click('.state-tabs [data-state="over"]');
  await page.waitForSelector('#preview-img[data-hover="close"][data-pressed=""]');
  await page.mouse.move(box.x + 200, box.y + 300);
  assert.deepEqual(await page.screenshot({ clip }), over);
  await page.click('.state-tabs [data-state="down"]');
  await page.waitForSelector('#preview-img[data-pressed="close"]');
  await page.mouse.move(box.x + 200, box.y + 300);
  assert.deepEqual(await page.screenshot({ clip }), down);
  await page.click('.state-tabs [data-state="normal"]');
  await page.waitForSelector('#preview-img[data-hover=""][data-pressed=""]');
});

test('a malformed string, an out-of-range number and a huge size each show their message', async () => {
  await page.click('#paste');
  await page.fill('#paste-text', '1##2##3#$#30');
  await page.click('#paste-apply');
  await page.waitForFunction(() => document.getElementById('paste-error').textContent.length > 0);
  assert.match(await page.textContent('#paste-error'),
    /Pasted theme is not a theme the control can read: a theme string has 24 fields joined by #\$#; this text has 2/);
  await page.fill('#paste-text', withValue(onyx, 3, 6, '12'));
  await page.click('#paste-apply');
  await page.waitForFunction(() => /BorderStyle/.test(document.getElementById('paste-error').textContent));
  assert.match(await page.textContent('#paste-error'), /Bottom border \(normal\): BorderStyle must be a whole number from 0 to 7, not '12'/);
  await page.fill('#paste-text', 'x'.repeat(300000));
  await page.click('#paste-apply');
  await page.waitForFunction(() => /larger than/.test(document.getElementById('paste-error').textContent));
  assert.equal(await page.textContent('#paste-error'), 'Pasted theme could not be checked: the request is larger than 256 KB');
  await page.keyboard.press('Escape');

  await page.click('.look-item[data-look="0"]');
  const split = page.locator('.field[data-field="SplitSize"]');
  await split.locator('input.number').fill('500');
  assert.equal(await split.locator('.field-error').textContent(), 'SplitSize must be a whole number from 0 to 100');

  await page.click('[data-size="custom"]');
  await page.fill('#custom-w', '99999');
  await page.press('#custom-w', 'Enter');
  await page.waitForSelector('.message.error');
  assert.match(await page.textContent('#messages'), /from 120 to 2560 pixels/);
  await page.fill('#custom-w', '640');
  await page.press('#custom-w', 'Enter');
  await page.click('[data-size="800x600"]');
});

test('copies a look to another part, derives over and down looks, compares side by side', async () => {
  await openBuiltIn('Vista');
  const vista = (await exported()).trimEnd();
  await page.click('.look-item[data-look="0"]');
  await page.click('#copy-look');
  await page.click('.look-item[data-look="6"]');
  await page.click('#paste-look');
  const pasted = (await exported()).trimEnd().split('#$#');
  assert.equal(pasted[6], vista.split('#$#')[0]);

  await page.click('.look-item[data-look="7"]');
  await page.click('#derive');
  const derived = (await exported()).trimEnd().split('#$#');
  const luminance = (ole) => (ole & 0xff) + ((ole >> 8) & 0xff) + ((ole >> 16) & 0xff);
  const fill = (record) => luminance(Number(record.split('##')[10]));
  assert.ok(fill(derived[12]) > fill(derived[7]), 'the over look is not lighter');
  assert.ok(fill(derived[16]) < fill(derived[7]), 'the down look is not darker');

  await page.click('#compare');
  await page.waitForSelector('#preview-compare:not([hidden])');
  await page.waitForFunction(() => Number(document.getElementById('compare-img').dataset.rendered) > 0);
  const [a, b] = await Promise.all(['#preview-img', '#compare-img'].map((s) => page.locator(s).boundingBox()));
  assert.equal(Math.round(a.width), Math.round(b.width));
  assert.equal(Math.round(a.height), Math.round(b.height));
  await page.click('#compare');
});

test('an edited theme survives a reload of the page', async () => {
  await openBuiltIn('Graphite');
  await page.click('#metrics-item');
  const before = await renderCount();
  await page.locator('.field[data-field="TitleBarSize"] input.number').fill('41');
  await renderedAfter(before);
  const edited = await exported();
  assert.equal(edited.trimEnd().split('#$#')[20], '41');
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  await renderedAfter(0);
  assert.equal(await exported(), edited);
  assert.equal(await page.textContent('#main-name'), 'Graphite');
  await page.waitForSelector('#validity.ok');
  assert.equal(await page.textContent('#validity'), '✓ valid');
});

test('a theme from an accent colour takes its hue and keeps every lightness', async () => {
  await openBuiltIn('Office2007');
  const original = (await exported()).trimEnd();
  await page.click('#accent');
  await page.fill('#accent-color', '#0f9d8a');
  const before = await renderCount();
  await page.click('#accent-apply');
  await renderedAfter(before);
  const recoloured = (await exported()).trimEnd();
  assert.notEqual(recoloured, original);

  const hsl = (ole) => {
    const [r, g, b] = [ole & 0xff, (ole >> 8) & 0xff, (ole >> 16) & 0xff].map((c) => c / 255);
    const max = Math.max(r, g, b), min = Math.min(r, g, b), l = (max + min) / 2, d = max - min;
    if (d === 0) return [0, 0, l];
    const s = l > 0.5 ? d / (2 - max - min) : d / (max + min);
    const h = max === r ? ((g - b) / d + 6) % 6 : max === g ? (b - r) / d + 2 : (r - g) / d + 4;
    return [h * 60, s, l];
  };
  const accentHue = hsl(0x8a9d0f)[0];  // #0f9d8a as an OLE colour
  const colours = (text) => {
    const fields = text.split('#$#');
    return [...fields.slice(0, 20).flatMap((r) => r.split('##').filter((_, i) => [1, 2, 7, 9, 10, 11, 12, 13, 16].includes(i))), fields[23]]
      .map(Number);
  };
  const was = colours(original), now = colours(recoloured);
  assert.equal(was.length, now.length);
  let coloured = 0;
  for (let i = 0; i < was.length; i++) {
    if (was[i] < 0) continue;  // system colours become plain colours
    const [, s0, l0] = hsl(was[i]);
    const [h1, s1, l1] = hsl(now[i]);
    assert.ok(Math.abs(l1 - l0) <= 0.01, `lightness of colour ${i} moved from ${l0} to ${l1}`);
    if (s0 >= 0.08 && s1 > 0.05 && l0 > 0.05 && l0 < 0.95) {
      coloured++;
      const dh = Math.min(Math.abs(h1 - accentHue), 360 - Math.abs(h1 - accentHue));
      assert.ok(dh <= 4, `colour ${i} has hue ${h1}, the accent ${accentHue}`);
    }
  }
  assert.ok(coloured > 20, `only ${coloured} coloured values were checked`);
  await page.keyboard.press('Control+z');
  assert.equal((await exported()).trimEnd(), original, 'undo did not take the accent back');
});
