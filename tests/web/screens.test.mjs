// SPDX-License-Identifier: GPL-3.0-or-later
// The page on odd screens and in odd moments: a resize or a rotation mid-question, a
// window of 1 x 1 or 8000 x 8000, a bad URL parameter, a browser with no voices, the
// tab put in the background during the one-second pause. Each must leave a working
// exercise and at most one console line.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { bank, launch, open, pinQuestions } from './harness.mjs';

const core = bank();
let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium?.close(); });

// Every control's text, visibility and place, in whole pixels: what the pupil sees.
function snapshot(h) {
    return h.page.evaluate(() => [...document.querySelectorAll('#Form1 [id]')].map(e => {
        const r = e.getBoundingClientRect();
        return [e.id, e.matches('input') ? e.value : e.textContent.trim(),
                e.checkVisibility() ? [r.x, r.y, r.width, r.height].map(Math.round).join(',') : '-'];
    }).concat([['focus', document.activeElement?.id ?? '', '']]));
}

// The first question with a typed number, and a right answer to it.
const typed = core.questions.find(q => q.kind === 1);

// Answers `q` right with the keyboard and checks the page judged it so.
async function answerRight(h, q) {
    assert.equal(await h.focused(), 'Text1');
    await h.page.keyboard.type(String(q.answer));
    await h.page.keyboard.press('Enter');
    await h.settle((await h.feedback()).length + 1);
    assert.equal((await h.feedback()).at(-1), 'BENE!!');
}

test('a resize mid-question, and back, leaves the question as it was', async () => {
    const h = await open(chromium.browser, { before: [pinQuestions([typed.row])] });
    try {
        await h.click('VIA');
        await h.page.keyboard.type('1'); // half an answer in the box
        const was = await snapshot(h);
        // A tablet turned upright, then a narrow window: the page re-fits, nothing scrolls.
        for (const [width, height] of [[768, 1024], [500, 300]]) {
            await h.page.setViewport({ width, height });
            await h.page.waitForFunction(
                (w, hgt) => {
                    const r = document.getElementById('Form1').getBoundingClientRect();
                    return r.width <= w + 1 && r.height <= hgt + 1 && r.width > 0;
                }, { timeout: 5000 }, width, height);
            const scroll = await h.page.evaluate(() => [
                document.scrollingElement.scrollWidth <= innerWidth,
                document.scrollingElement.scrollHeight <= innerHeight]);
            assert.deepEqual(scroll, [true, true], `${width}x${height} scrolls`);
        }
        await h.page.setViewport({ width: 1024, height: 768 });
        await h.page.waitForFunction(
            () => document.getElementById('Form1').getBoundingClientRect().width >= 1023,
            { timeout: 5000 });
        assert.deepEqual(await snapshot(h), was);
        await h.page.keyboard.press('Backspace');
        await answerRight(h, typed);
        assert.equal(await h.counters(), '1/0');
        h.checkClean();
    } finally {
        await h.close();
    }
});

test('a window of 1 x 1 or 8000 x 8000 leaves a working exercise', async () => {
    for (const [width, height] of [[1, 1], [8000, 8000]]) {
        const h = await open(chromium.browser,
                             { width, height, before: [pinQuestions([typed.row])] });
        try {
            const form = await h.page.evaluate(() => {
                const r = document.getElementById('Form1').getBoundingClientRect();
                return [r.width, r.height];
            });
            assert.ok(form[0] <= width + 1 && form[1] <= height + 1, `${width}: ${form}`);
            if (width > 1)
                assert.ok(form[0] >= width - 1 || form[1] >= height - 1, `fills ${form}`);
            // At 1 x 1 nothing can be hit, but the keyboard still works, and the
            // exercise goes on at a sane size.
            await h.page.evaluate(() => document.getElementById('VIA').focus());
            await h.page.keyboard.press('Enter');
            await h.page.waitForFunction(() => document.activeElement?.id === 'Text1');
            await answerRight(h, typed);
            if (width === 1) {
                await h.page.setViewport({ width: 1024, height: 768 });
                await h.click('FINE');
                await h.page.waitForSelector('html[data-closed="1"]', { timeout: 5000 });
            }
            assert.equal(await h.counters(), '1/0');
            h.checkClean();
            assert.deepEqual(h.warnings, []);
        } finally {
            await h.close();
        }
    }
});

test('a bad URL parameter is ignored with one warning; good ones take effect', async () => {
    const bad = await open(chromium.browser, { query: '?number-pad=sometimes' });
    try {
        assert.equal(bad.warnings.length, 1, bad.warnings.join('\n'));
        assert.match(bad.warnings[0], /number-pad/);
        bad.checkClean();
    } finally {
        await bad.close();
    }
    // The pad where it shows (a typed question) with the setting on; none with it off.
    for (const [pad, shows] of [['always', true], ['never', false]]) {
        const h = await open(chromium.browser, { query: `?number-pad=${pad}&read-aloud=off`,
                                                 before: [pinQuestions([typed.row])] });
        try {
            await h.click('VIA');
            assert.equal(await h.visible('INVIO'), shows, pad);
            assert.equal(await h.visible('LEGGI'), false);
            assert.deepEqual(h.warnings, []);
            h.checkClean();
        } finally {
            await h.close();
        }
    }
});

test('with no voices in the browser the speaker stays hidden and nothing fails', async () => {
    const noVoices = `(() => {
        if (window.speechSynthesis)
            speechSynthesis.getVoices = () => [];
    })()`;
    const h = await open(chromium.browser, { query: '?read-aloud=on',
                                             before: [noVoices, pinQuestions([typed.row])] });
    try {
        await h.click('VIA');
        await h.page.evaluate(() => window.speechSynthesis?.dispatchEvent(new Event('voiceschanged')));
        assert.equal(await h.visible('LEGGI'), false);
        await answerRight(h, typed);
        h.checkClean();
        assert.deepEqual(h.warnings, []);
    } finally {
        await h.close();
    }
});

test('the tab put in the background during the pause: input dropped, then the exercise goes on',
     async () => {
    const click = core.questions.find(q => q.kind === 2);
    const h = await open(chromium.browser, { before: [pinQuestions([click.row, typed.row])] });
    try {
        await h.click('VIA');
        await h.click(`FrSegmento${click.answer % 3 + 1}`); // wrong
        await h.page.waitForSelector('html[data-busy="1"]', { timeout: 2000 });
        // Clicks and keys while the pause holds count for nothing.
        await h.click(`FrSegmento${click.answer}`);
        await h.page.keyboard.press('Enter');
        assert.equal(await h.counters(), '1/1');
        // Another tab in front for two seconds, then this one again.
        const other = await h.context.newPage();
        await other.bringToFront();
        await new Promise(r => setTimeout(r, 2000));
        await h.page.bringToFront();
        await other.close();
        await h.settle(1);
        assert.equal(await h.counters(), '1/1');
        await h.click(`FrSegmento${click.answer}`);
        await h.settle(2);
        assert.deepEqual(await h.feedback(), ['NO RIPROVA', 'BENE!!']);
        assert.equal(await h.counters(), '2/1');
        assert.equal(await h.text('LbCodice'), String(typed.row));
        h.checkClean();
        assert.deepEqual(h.warnings, []);
    } finally {
        await h.close();
    }
});
