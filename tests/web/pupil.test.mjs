// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil plays the first pass of 42 questions on the page three ways, side by side in
// one browser: with the mouse and the keyboard at a PC, with the keyboard alone where
// it reaches, and with taps alone on a whiteboard through the number pad. Every answer's
// judgement, the counters, and the grade and tally of each results window are checked
// against the bank and the grades as the core prints them.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { bank, launch, open } from './harness.mjs';

const core = bank();
let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium?.close(); });

const kind = { NumeroSuiSegmenti: 1, CliccaSegmento: 2, CliccaMisura: 3, QuattroMisure: 4,
               NumeroSulRettangolo: 5, CliccaRettangolo: 6 };
// What a question answered by a click offers, in the order of the bank's places 1..3
// (the rectangles left to right: the middle frame is FrRet1).
function choices(k) {
    if (k === kind.CliccaSegmento)
        return ['FrSegmento1', 'FrSegmento2', 'FrSegmento3'];
    if (k === kind.CliccaMisura)
        return ['LbRisposta1', 'LbRisposta2', 'LbRisposta3'];
    return ['FrRet2', 'FrRet1', 'FrRet3'];
}
// The units of the three segments, from the questions that ask for them.
const segmentUnits = [1, 2, 3].map(n => core.questions.find(
    q => q.kind === kind.NumeroSuiSegmenti && q.text.includes(`nel ${n}° segmento`)).answer);

// The three ways: each way presses a control, types a number into a box and closes a
// results window in its own way.
class Pupil {
    constructor(handle, way) {
        Object.assign(this, { h: handle, way, answers: 0 });
    }
    get taps() { return this.way === 'taps'; }
    // A control: clicked, tapped, or reached with Tab and pressed with Enter; the
    // keyboard alone falls back to the mouse where Tab does not reach (counted).
    async press(id) {
        if (this.taps)
            return this.h.tap(id);
        if (this.way === 'keyboard') {
            for (let i = 0; i < 40 && await this.h.focused() !== id; ++i)
                await this.h.page.keyboard.press('Tab');
            if (await this.h.focused() === id)
                return this.h.page.keyboard.press('Enter');
            this.mouseFallbacks = (this.mouseFallbacks ?? 0) + 1;
        }
        return this.h.click(id);
    }
    // Types a number (or a word) into the box that holds the keyboard and presses
    // Enter; at the pad, a slip put right with the pad's Backspace, then the digits
    // and INVIO.
    async type(box, number) {
        const h = this.h;
        if (!this.taps) {
            assert.equal(await h.focused(), box);
            await h.page.keyboard.type(number);
            return h.page.keyboard.press('Enter');
        }
        const key = async digit => {
            for (let d = 0; d <= 9; ++d)
                if (await h.text(`Tasto${d}`) === digit)
                    return `Tasto${d}`;
            assert.fail(`no pad key shows ${digit}`);
        };
        await h.tap(await key('7'));
        await h.tap('TastoCancella');
        for (const digit of number)
            await h.tap(await key(digit));
        assert.equal(await h.text(box), number);
        return h.tap('INVIO');
    }
    // Answers right or wrong: the next choice, a number three too big, a word (at the
    // pad, which has no letters, nothing); waits for each answer's pause to end.
    async answer(q, right) {
        const steps = [];
        if (q.kind === kind.QuattroMisure) {
            const cm = [1, ...segmentUnits].map(u => String(q.answer * u));
            for (let i = 0; i < (right ? 4 : 1); ++i)
                steps.push(() => this.type(`Inp${i + 1}`, right ? cm[i] : this.taps ? '' : 'nove'));
        } else if (q.kind === kind.NumeroSuiSegmenti || q.kind === kind.NumeroSulRettangolo) {
            steps.push(() => this.type('Text1', String(right ? q.answer : q.answer + 3)));
        } else {
            steps.push(() => this.press(choices(q.kind)[(right ? q.answer - 1 : q.answer) % 3]));
        }
        for (const step of steps) {
            await step();
            await this.h.settle(++this.answers);
            await this.readResults();
        }
    }
    // A results window, when one is open: its place, grade word and the dots of each
    // row; no key but a fresh Enter closes it, then PROSEGUI or Enter does.
    async readResults() {
        const h = this.h;
        if (!await h.visible('Classifica'))
            return;
        const shown = await h.page.evaluate(rows => {
            const form = document.getElementById('Form1').getBoundingClientRect();
            const box = document.getElementById('Classifica').getBoundingClientRect();
            const dots = rows.map(row => [...document.querySelectorAll(
                `[id^="Classifica-${row}"]`)].filter(e => e.checkVisibility()).length);
            return `${Math.round(box.x - form.x)},${Math.round(box.y - form.y)} ` +
                   `${document.getElementById('Classifica-RISULTATO').textContent.trim()} ` +
                   dots.join(' ');
        }, core.dotRows);
        if (!this.taps) {
            for (const key of ['Escape', 'Space', 'Tab', 'Space'])
                await h.page.keyboard.press(key);
            await h.page.evaluate(() => new Promise(r => requestAnimationFrame(r)));
            assert.ok(await h.visible('Classifica'), `a key closed the results: ${shown}`);
        }
        this.seen.push(shown);
        if (this.taps)
            await h.tap('Classifica-Command1');
        else if (this.way === 'keyboard' || this.seen.length % 2)
            await h.page.keyboard.press('Enter');
        else
            await h.click('Classifica-Command1');
        await h.page.waitForFunction(() => {
            const c = document.getElementById('Classifica');
            return c.hidden || !c.checkVisibility();
        }, { timeout: 5000 });
    }
}

async function playThePass(way) {
    const h = await open(chromium.browser, { touch: way === 'taps' });
    try {
        const pupil = new Pupil(h, way);
        pupil.seen = [];
        const expected = [];
        const dots = core.dotRows.map(() => 0);
        let answers = 0;
        let errors = 0;
        // A graded series opens at the corner; the end of a pass a fourteenth of the screen lower.
        const graded = (errorCount, top) => {
            const grade = errorCount === null ? null
                                              : core.grades[Math.min(errorCount, core.grades.length - 1)];
            if (grade)
                ++dots[grade.row];
            expected.push(`0,${top} ${grade ? grade.word.trim() : ''} ${dots.join(' ')}`);
            answers = errors = 0;
        };
        const kinds = new Set();
        const rows = new Set();
        await pupil.press('VIA');
        for (let n = 1; n <= core.questions.length; ++n) {
            const q = core.questions[Number(await h.text('LbCodice'))];
            assert.ok(q && !rows.has(q.row), `question ${n}: row ${await h.text('LbCodice')}`);
            rows.add(q.row);
            assert.equal(await h.text('LbDOMANDA'), q.text.trim());
            // The first question of each kind is answered wrong first, the 30th four times.
            const wrongs = Number(!kinds.has(q.kind)) + (n === 30 ? 4 : 0);
            kinds.add(q.kind);
            const before = (await h.feedback()).length;
            for (let w = 1; w <= wrongs; ++w) {
                await pupil.answer(q, false);
                assert.equal(await h.counters(), `${answers + w}/${errors + w}`, `row ${q.row}`);
            }
            await pupil.answer(q, true);
            const steps = q.kind === kind.QuattroMisure ? 4 : 1;
            assert.deepEqual((await h.feedback()).slice(before),
                             [...Array(wrongs).fill('NO RIPROVA'), ...Array(steps).fill('BENE!!')],
                             `row ${q.row}`);
            answers += wrongs + steps;
            errors += wrongs;
            if (answers >= 10) // a series ends after ten answers
                graded(errors, 0);
            if (n === core.questions.length) // and the pass: graded if anything was judged since
                graded(answers > 0 ? errors : null, 55);
            assert.equal(`${pupil.seen.join('|')} ${await h.counters()}`,
                         `${expected.join('|')} ${answers}/${errors}`, `question ${n}`);
        }
        assert.equal(await h.text('avviso'), 'Bravo!! Hai risposto a tutte le domande.');
        assert.ok(dots[0] > 0 && dots.at(-1) > 0 && dots[1] + dots[2] > 0, dots.join(' '));
        // CLASSIFICA shows the same tally at the corner, grading nothing.
        await pupil.press('Command1');
        await h.page.waitForFunction(() => !document.getElementById('Classifica').hidden);
        await pupil.readResults();
        assert.equal(pupil.seen.at(-1), `0,0  ${dots.join(' ')}`);
        // FINE ends the session with the closing screen.
        await pupil.press('FINE');
        await h.page.waitForSelector('html[data-closed="1"]', { timeout: 5000 });
        assert.ok(await h.visible('chiuso'));
        assert.equal(await h.keys() > 0, !pupil.taps);
        h.checkClean();
        return pupil;
    } finally {
        await h.close();
    }
}

test('a pupil plays the first pass three ways and is graded for it', { timeout: 240000 },
     async () => {
    const [, keyboard] = await Promise.all(
        ['mouse and keyboard', 'keyboard', 'taps'].map(way => playThePass(way)));
    // Tab reaches every control the keyboard-alone pupil presses.
    assert.equal(keyboard.mouseFallbacks ?? 0, 0);
});
