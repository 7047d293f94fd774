<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>SolverWindow</name>
    <message>
        <source>Trommelquirl Solver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sc&amp;ramble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the S&amp;tart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the &amp;End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to the Game&apos;s Solutions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animate Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Colour Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Trommelquirl Solver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty slot (.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a slot to make it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a shortest solution (Ctrl+Return)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solver&apos;s table: %p%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling the table&apos;s build…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The long columns are down already; 5 slides them up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The long columns are up already; 2 slides them down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solving…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Solve (Ctrl+Return) for a shortest solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading the solver&apos;s table…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drum is solved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solved in %1 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The solver&apos;s table cannot be kept in %1; it is built again on every run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The solver&apos;s table is built and kept for the next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The solver&apos;s table was not built: cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The solver&apos;s table was not built: not enough memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building the solver&apos;s table (once; about 5 seconds)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not pasted. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasted: the drum shows this position already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasted a new position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied the layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Copied the solution&apos;s %n moves as digits.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Added to the game&apos;s solutions in %1: the game now answers this position at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The solution could not be added to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad 4, 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the upper half left, right (Num Lock on or off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad 1, 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the lower half left, right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad 2, 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide the long columns down, up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solve: find a shortest solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: mark the first move of a shortest solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right, Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the solution: next move, previous move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jump to the solution&apos;s start, end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the rest of the solution, pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give a slot the colour chosen in the palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty a slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+arrow keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the slot cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the cursor&apos;s slot that colour and go to the next slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. or Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the cursor&apos;s slot; Backspace empties the slot before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Shift+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo, redo any change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy, paste the layout (26 characters, “_” for an empty slot)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the solution&apos;s moves as digits (1 to 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+R, Ctrl+Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scramble, reset to the start position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Trommelquirl Solver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Trommelquirl Solver %1&lt;/h3&gt;&lt;p&gt;Set up any position of the drum, see its shortest solution and follow it move by move.&lt;/p&gt;&lt;p&gt;Copyright The Trommelquirl developers.&lt;br&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>a control character or a character beyond ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn upper half right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn upper half left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn lower half right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn lower half left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide the long columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>There are %n empty slots; the drum has %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Colour %1 (%2) has %n balls, it needs %3.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The long columns&apos; empty slots must all be at the top or all at the bottom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>That is not a layout: it has %n characters, a layout has %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>That is not a layout: character %1 is %2, not a space, “_” or a colour 0 to 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solved: no moves needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n moves; none shorter</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
