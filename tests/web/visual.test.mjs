// SPDX-License-Identifier: GPL-3.0-or-later
// The page at 1024 x 768 against the desktop program's own pictures at that size
// (tests/visual/references, painted by the Qt window): the start screen, one question of
// each kind, and the number pad where it shows. The same questions are put as there.
//
// Tolerance, and why: the comparison is the desktop's own. Both pictures are cut into
// blocks of 4 x 4 pixels and a block differs when the mean of a channel moved by more
// than 40 of 255; at most 0.2 % of the blocks may differ. Chromium (Skia) and Qt
// (FreeType through Qt's own rasterizer) draw the same Liberation Sans glyphs at the
// same places with different anti-aliasing and hinting, which moves single edge pixels
// of the text but hardly a block's mean; a control one pixel off, a wrong colour, a
// missing or extra control or a caption in another font moves whole rows of blocks.
// A failure names the controls under the differing blocks and writes both pictures
// and a map of the blocks to the temporary folder.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { PNG } from 'pngjs';
import { launch, open, pinQuestions, root } from './harness.mjs';

const references = path.join(root, 'tests', 'visual', 'references');
const block = 4;
const channelLimit = 40;
const blockShare = 0.002;

let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium?.close(); });

function means(png) {
    const w = Math.floor(png.width / block), hgt = Math.floor(png.height / block);
    const out = new Float64Array(w * hgt * 3);
    for (let y = 0; y < hgt * block; ++y)
        for (let x = 0; x < w * block; ++x)
            for (let c = 0; c < 3; ++c)
                out[((Math.floor(y / block) * w + Math.floor(x / block)) * 3) + c] +=
                    png.data[(y * png.width + x) * 4 + c] / (block * block);
    return { w, h: hgt, out };
}

// The page's picture now against the desktop's reference `name`.
async function compare(h, name) {
    // The text cursor blinks in a browser; the desktop's reference shows none.
    await h.page.addStyleTag({ content: '* { caret-color: transparent !important; }' });
    await h.page.evaluate(() => new Promise(r => requestAnimationFrame(() =>
        requestAnimationFrame(r))));
    const now = PNG.sync.read(Buffer.from(await h.page.screenshot({ type: 'png' })));
    const reference = PNG.sync.read(readFileSync(path.join(references, `${name}.png`)));
    assert.deepEqual([now.width, now.height], [reference.width, reference.height]);
    const a = means(now), b = means(reference);
    const differing = [];
    for (let i = 0; i < a.w * a.h; ++i)
        if ([0, 1, 2].some(c => Math.abs(a.out[i * 3 + c] - b.out[i * 3 + c]) > channelLimit))
            differing.push([(i % a.w) * block + block / 2, Math.floor(i / a.w) * block + block / 2]);
    if (differing.length <= a.w * a.h * blockShare)
        return;
    // Where they differ: the innermost control under each differing block.
    const where = await h.page.evaluate(points => {
        const count = {};
        for (const [x, y] of points) {
            const e = document.elementsFromPoint(x, y).find(e => e.id && e.id !== 'Form1');
            const id = e ? e.id : '(window)';
            count[id] = (count[id] ?? 0) + 1;
        }
        return count;
    }, differing);
    const map = new PNG({ width: now.width, height: now.height });
    now.data.copy(map.data);
    for (const [x, y] of differing)
        for (let dy = -2; dy < 2; ++dy)
            for (let dx = -2; dx < 2; ++dx) {
                const p = ((y + dy) * now.width + x + dx) * 4;
                map.data.set([255, 0, 255, 255], p);
            }
    writeFileSync(path.join(tmpdir(), `${name}-web.png`), PNG.sync.write(now));
    writeFileSync(path.join(tmpdir(), `${name}-web-diff.png`), PNG.sync.write(map));
    assert.fail(`${name}: ${differing.length} of ${a.w * a.h} blocks differ, under ` +
                `${JSON.stringify(where)}; see ${tmpdir()}/${name}-web.png and -web-diff.png`);
}

// The rows the desktop's pictures show, one per kind.
const rowOfKind = [0, 3, 12, 19, 25, 30];

test('the start screen and one question of each kind look as on the desktop', async () => {
    const failures = [];
    for (let kind = 0; kind <= 6; ++kind) {
        const h = await open(chromium.browser,
                             { before: kind ? [pinQuestions([rowOfKind[kind - 1]])] : [] });
        try {
            if (kind > 0) // as the desktop's test presses it: no pointer left over the window
                await h.page.$eval('#VIA', e => e.click());
            await compare(h, kind ? `kind${kind}` : 'start').catch(e => failures.push(e.message));
            h.checkClean();
        } finally {
            await h.close();
        }
    }
    assert.deepEqual(failures, []);
});

test('the number pad looks as on the desktop', async () => {
    const failures = [];
    for (const kind of [1, 4, 5]) {
        const h = await open(chromium.browser, { query: '?number-pad=always',
                                                 before: [pinQuestions([rowOfKind[kind - 1]])] });
        try {
            await h.page.$eval('#VIA', e => e.click());
            await compare(h, `pad-kind${kind}`).catch(e => failures.push(e.message));
            h.checkClean();
        } finally {
            await h.close();
        }
    }
    assert.deepEqual(failures, []);
});
