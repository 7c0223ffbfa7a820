// SPDX-License-Identifier: GPL-3.0-or-later
// The page on odd screens and in odd moments: a resize or a rotation mid-question, a
// window of 1 x 1 or 8000 x 8000, a bad URL parameter, a browser with no voices, the
// tab put in the background during the one-second pause. Each must leave a working
// exercise and at most one console line.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { launch, open } from './harness.mjs';
import { choices, kind, Pupil } from './pupil.mjs';

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

const typedKinds = [kind.NumeroSuiSegmenti, kind.NumeroSulRettangolo];

// Presses VIA, then answers right until a question asks for one typed number.
async function untilTyped(pupil) {
    await pupil.press('VIA');
    let q = await pupil.question();
    while (!typedKinds.includes(q.kind)) {
        await pupil.answer(q, true);
        q = await pupil.question();
    }
    return q;
}

test('a resize mid-question, and back, leaves the question as it was', async () => {
    const h = await open(chromium.browser);
    try {
        const pupil = new Pupil(h, 'mouse and keyboard');
        const q = await untilTyped(pupil);
        const counted = await h.counters();
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
        assert.equal(await h.counters(), counted);
        await pupil.answer(q, true);
        assert.equal((await h.feedback()).at(-1), 'BENE!!');
        h.checkClean();
    } finally {
        await h.close();
    }
});

test('a window of 1 x 1 or 8000 x 8000 leaves a working exercise', async () => {
    for (const [width, height] of [[1, 1], [8000, 8000]]) {
        const h = await open(chromium.browser, { width, height });
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
            const pupil = new Pupil(h, 'keyboard');
            await pupil.press('VIA');
            const q = await pupil.question();
            await pupil.answer(q, true);
            assert.equal((await h.feedback()).at(-1), 'BENE!!');
            assert.equal(await h.counters(), q.kind === kind.QuattroMisure ? '4/0' : '1/0');
            if (width === 1) {
                await h.page.setViewport({ width: 1024, height: 768 });
                await h.page.waitForFunction(
                    () => document.getElementById('Form1').getBoundingClientRect().width >= 1023);
                await h.click('FINE');
                await h.page.waitForSelector('html[data-closed="1"]', { timeout: 5000 });
            }
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
        const h = await open(chromium.browser, { query: `?number-pad=${pad}&read-aloud=off` });
        try {
            await untilTyped(new Pupil(h, 'mouse and keyboard'));
            assert.equal(await h.visible('INVIO'), shows, pad);
            assert.equal(await h.visible('LEGGI'), false);
            assert.deepEqual(h.warnings, []);
            h.checkClean();
        } finally {
            await h.close();
        }
    }
});

test('with no voices, and sound refused by the browser, the exercise goes on silent', async () => {
    const noVoices = `(() => {
        if (window.speechSynthesis)
            speechSynthesis.getVoices = () => [];
    })()`;
    // As a browser that keeps sound off (a policy, or no sound device): the context
    // never leaves "suspended" and asking it to resume is refused.
    const noSound = `(() => {
        const refused = () => Promise.reject(new DOMException('refused', 'NotAllowedError'));
        AudioContext.prototype.resume = refused;
        AudioBufferSourceNode.prototype.start = function () {
            throw new DOMException('refused', 'InvalidStateError');
        };
    })()`;
    const h = await open(chromium.browser, { query: '?read-aloud=on', before: [noVoices, noSound] });
    try {
        const pupil = new Pupil(h, 'mouse and keyboard');
        await pupil.press('VIA');
        await h.page.evaluate(() => window.speechSynthesis?.dispatchEvent(new Event('voiceschanged')));
        assert.equal(await h.visible('LEGGI'), false);
        await pupil.answer(await pupil.question(), true);
        assert.equal((await h.feedback()).at(-1), 'BENE!!');
        h.checkClean();
        assert.deepEqual(h.warnings, []);
    } finally {
        await h.close();
    }
});

test('the tab put in the background during the pause: input dropped, then the exercise goes on',
     async () => {
    const h = await open(chromium.browser);
    try {
        const pupil = new Pupil(h, 'mouse and keyboard');
        await pupil.press('VIA');
        const q = await pupil.question();
        pupil.answer(q, false).catch(() => {}); // waited for below
        await h.page.waitForSelector('html[data-busy="1"]', { timeout: 2000 });
        // Clicks and keys while the pause holds count for nothing.
        if (typedKinds.includes(q.kind) || q.kind === kind.QuattroMisure)
            await h.page.keyboard.type(`${q.answer}\n`);
        else
            await h.click(choices(q.kind)[q.answer - 1]);
        await h.click('FINE');
        // Another tab in front for two seconds, then this one again.
        const other = await h.context.newPage();
        await other.bringToFront();
        await new Promise(r => setTimeout(r, 2000));
        await h.page.bringToFront();
        await other.close();
        await h.settle(1);
        assert.equal(await h.counters(), '1/1');
        assert.equal(await h.visible('chiuso'), false);
        assert.equal(await pupil.question(), q);
        await pupil.answer(q, true);
        assert.deepEqual((await h.feedback()).slice(0, 2), ['NO RIPROVA', 'BENE!!']);
        h.checkClean();
        assert.deepEqual(h.warnings, []);
    } finally {
        await h.close();
    }
});

test('safe in a child\'s hands: no selection, menu, scroll or key leaves the question', async () => {
    const h = await open(chromium.browser);
    try {
        const pupil = new Pupil(h, 'mouse and keyboard');
        await pupil.press('VIA');
        const q = await pupil.question();
        await h.page.evaluate(() => {
            window.__alive = true; // gone if anything reloads or leaves the page
            window.__menus = [];
            addEventListener('contextmenu', e => window.__menus.push(e.defaultPrevented));
        });
        const was = await snapshot(h);
        const { x, y } = await h.centre('LbDOMANDA');
        await h.page.mouse.click(x, y, { clickCount: 3 }); // a triple click selects a line
        await h.page.mouse.click(x, y, { button: 'right' });
        await h.page.mouse.wheel({ deltaY: 600 });
        await h.page.keyboard.down('Control');
        await h.page.keyboard.press('KeyA');
        await h.page.keyboard.up('Control');
        await h.page.evaluate(() => document.activeElement?.blur());
        for (const key of ['Backspace', 'Space', 'F5', 'Escape', 'PageDown', 'End', 'ArrowDown'])
            await h.page.keyboard.press(key);
        for (const key of ['KeyR', 'KeyP', 'KeyW', 'Minus', 'Equal']) {
            await h.page.keyboard.down('Control');
            await h.page.keyboard.press(key);
            await h.page.keyboard.up('Control');
        }
        await h.page.evaluate(() => new Promise(r => setTimeout(r, 300)));
        const state = await h.page.evaluate(() => ({
            alive: window.__alive === true,
            selected: getSelection().toString(),
            menus: window.__menus,
            scrolled: [scrollX, scrollY, document.scrollingElement.scrollTop],
            zoom: visualViewport.scale,
        }));
        assert.deepEqual(state, { alive: true, selected: '', menus: [true], scrolled: [0, 0, 0],
                                  zoom: 1 });
        // The question as it was, but for where the keyboard is.
        assert.deepEqual((await snapshot(h)).slice(0, -1), was.slice(0, -1));
        assert.equal(await pupil.question(), q);
        h.checkClean();
        assert.deepEqual(h.warnings, []);
    } finally {
        await h.close();
    }
});

test('every cue plays from the sounds inside the page', async () => {
    // Counts what starts: the page's own recordings, or the stand-in tone for a cue
    // it could not find or decode.
    const count = `(() => {
        window.__sounds = { recorded: 0, tone: 0 };
        const buffer = AudioBufferSourceNode.prototype.start;
        AudioBufferSourceNode.prototype.start = function (...a) {
            ++window.__sounds.recorded;
            return buffer.apply(this, a);
        };
        const tone = OscillatorNode.prototype.start;
        OscillatorNode.prototype.start = function (...a) {
            ++window.__sounds.tone;
            return tone.apply(this, a);
        };
    })()`;
    const h = await open(chromium.browser, { before: [count] });
    try {
        const pupil = new Pupil(h, 'mouse and keyboard');
        await pupil.press('VIA'); // the first gesture lets sound start: the start cue
        // The sound device opens just after the gesture; a cue asked for before the
        // start cue has begun would cut it short, as a new cue cuts any cue playing.
        await h.page.waitForFunction(() => window.__sounds.recorded >= 1, { timeout: 5000 });
        const q = await pupil.question();
        await pupil.answer(q, false);
        await pupil.answer(q, true);
        await h.page.waitForFunction(() => window.__sounds.recorded >= 3, { timeout: 5000 })
            .catch(() => {});
        const sounds = await h.page.evaluate(() => window.__sounds);
        assert.ok(sounds.recorded >= 3 && sounds.tone === 0, JSON.stringify(sounds));
        h.checkClean();
    } finally {
        await h.close();
    }
});
