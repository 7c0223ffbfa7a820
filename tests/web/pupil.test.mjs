// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil plays the first pass of 42 questions on the page three ways, side by side in
// one browser: with the mouse and the keyboard at a PC, with the keyboard alone where
// it reaches, and with taps alone on a whiteboard through the number pad. Every answer's
// judgement, the counters, and the grade and tally of each results window are checked
// against the bank and the grades as the core prints them.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { launch, open, seededRandom } from './harness.mjs';
import { core, kind, Pupil } from './pupil.mjs';
let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium?.close(); });

async function playThePass(way) {
    // The same order of questions every run, as the desktop's pupil plays with a fixed seed.
    const h = await open(chromium.browser, { touch: way === 'taps',
                                             before: [seededRandom(Number(process.env.FRAZIONI_PUPIL_SEED ?? 17))] });
    try {
        const pupil = new Pupil(h, way);
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
            const q = await pupil.question();
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
        assert.equal(pupil.avviso, 'Bravo!! Hai risposto a tutte le domande.');
        assert.ok(dots[0] > 0 && dots.at(-1) > 0 && dots[1] + dots[2] > 0, dots.join(' '));
        // CLASSIFICA shows the same tally at the corner, grading nothing.
        await pupil.press('Command1');
        await h.page.waitForFunction(() => !document.getElementById('Classifica').hidden);
        await pupil.readResults();
        assert.equal(pupil.seen.at(-1), `0,0  ${dots.join(' ')}`);
        // Closing the tab (the one way out the browser keeps for itself) asks first while
        // the session has answers; the pupil stays, and nothing is lost.
        const asked = new Promise(resolve => h.page.once('dialog', async d => {
            resolve(d.type());
            await d.dismiss();
        }));
        await h.page.close({ runBeforeUnload: true });
        assert.equal(await asked, 'beforeunload');
        assert.equal(await h.counters(), `${answers}/${errors}`);
        // FINE ends the session with the closing screen; then the tab closes without asking.
        await pupil.press('FINE');
        await h.page.waitForSelector('html[data-closed="1"]', { timeout: 5000 });
        assert.ok(await h.visible('chiuso'));
        assert.equal(await h.keys() > 0, !pupil.taps);
        h.checkClean();
        assert.deepEqual(h.warnings, []);
        let askedAgain = false;
        h.page.on('dialog', d => { askedAgain = true; return d.accept(); });
        await h.page.close({ runBeforeUnload: true });
        for (let i = 0; i < 50 && !h.page.isClosed(); ++i)
            await new Promise(r => setTimeout(r, 100));
        assert.ok(h.page.isClosed() && !askedAgain);
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
