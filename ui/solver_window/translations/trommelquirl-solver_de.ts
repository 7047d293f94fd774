<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DrumGuide</name>
    <message>
        <location filename="../drum_guide.cpp" line="44"/>
        <source>Column numbers 1 to 5</source>
        <translation>Säulennummern 1 bis 5</translation>
    </message>
    <message>
        <location filename="../drum_guide.cpp" line="45"/>
        <source>Top slots: fixed, they never turn</source>
        <translation>Obere Plätze: fest, sie drehen sich nie</translation>
    </message>
    <message>
        <location filename="../drum_guide.cpp" line="47"/>
        <source>Upper half: its two rows turn together</source>
        <translation>Obere Hälfte: ihre Reihen drehen sich zusammen</translation>
    </message>
    <message>
        <location filename="../drum_guide.cpp" line="48"/>
        <source>The line between the halves</source>
        <translation>Die Linie zwischen den Hälften</translation>
    </message>
    <message>
        <location filename="../drum_guide.cpp" line="49"/>
        <source>Lower half: its two rows turn together</source>
        <translation>Untere Hälfte: ihre Reihen drehen sich zusammen</translation>
    </message>
    <message>
        <location filename="../drum_guide.cpp" line="50"/>
        <source>Bottom slots: fixed, they never turn</source>
        <translation>Untere Plätze: fest, sie drehen sich nie</translation>
    </message>
    <message>
        <location filename="../drum_guide.cpp" line="51"/>
        <source>Faded: column 5 again; columns 5 and 1 are neighbours around the drum</source>
        <translation>Blass: noch einmal Säule 5; die Säulen 5 und 1 sind Nachbarn rund um die Trommel</translation>
    </message>
    <message>
        <location filename="../drum_guide.cpp" line="53"/>
        <source>Columns 1, 3 and 5 slide through the fixed slots. An empty slot is a hole.</source>
        <translation>Die Säulen 1, 3 und 5 gleiten durch die festen Plätze. Ein leerer Platz ist ein Loch.</translation>
    </message>
    <message>
        <location filename="../drum_guide.cpp" line="64"/>
        <source>The drum with its parts named</source>
        <translation>Die Trommel mit den Namen ihrer Teile</translation>
    </message>
    <message>
        <location filename="../drum_guide.cpp" line="134"/>
        <source>How to Read the Drum</source>
        <translation>So liest man die Trommel</translation>
    </message>
    <message>
        <location filename="../drum_guide.cpp" line="139"/>
        <source>&lt;p&gt;The picture shows the drum unrolled: read it from left to right as the drum turns past you. Column 5 is followed again by column 1.&lt;/p&gt;&lt;p&gt;Turning a half moves the balls of its two rows one column to the left or right, all round the drum. Sliding moves columns 1, 3 and 5 one slot up or down at once; the short columns 2 and 4 never slide.&lt;/p&gt;&lt;p&gt;The next move is shown by white arrows: across its half for a turn, beside the long columns for a slide. A red ring with four ticks marks a slot that keeps the position from being solved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Bild zeigt die Trommel abgerollt, von links nach rechts so, wie sie sich vorbeidreht. Auf Säule 5 folgt wieder Säule 1.&lt;/p&gt;&lt;p&gt;Eine Drehung einer Hälfte bewegt die Kugeln ihrer zwei Reihen um eine Säule nach links oder rechts, rund um die Trommel. Das Schieben bewegt die Säulen 1, 3 und 5 zugleich um einen Platz nach oben oder unten; die kurzen Säulen 2 und 4 werden nie geschoben.&lt;/p&gt;&lt;p&gt;Den nächsten Zug zeigen weiße Pfeile: quer über seine Hälfte bei einer Drehung, neben den langen Säulen beim Schieben. Ein roter Ring mit vier Strichen markiert einen Platz, an dem die Stellung unlösbar wird.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <location filename="../keys_dialog.cpp" line="20"/>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>SolverActions</name>
    <message>
        <location filename="../window_actions.cpp" line="62"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="73"/>
        <source>In the solution&apos;s list: the step before, after</source>
        <translation>In der Liste der Lösung: den Schritt davor, danach</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="74"/>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="74"/>
        <source>Give a slot the colour chosen in the palette</source>
        <translation>Einem Platz die gewählte Farbe der Palette geben</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="75"/>
        <source>Right-click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="75"/>
        <source>Empty a slot</source>
        <translation>Einen Platz leeren</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="76"/>
        <source>Click a line of the solution</source>
        <translation>Klick auf eine Zeile der Lösung</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="76"/>
        <source>Jump to that step</source>
        <translation>Zu diesem Schritt springen</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="77"/>
        <source>%1+arrow keys</source>
        <translation>%1+Pfeiltasten</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="77"/>
        <source>Move the slot cursor</source>
        <translation>Die Platzmarke bewegen</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="78"/>
        <source>0 to 5</source>
        <translation>0 bis 5</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="78"/>
        <source>Give the cursor&apos;s slot that colour and go to the next slot</source>
        <translation>Dem markierten Platz diese Farbe geben und zum nächsten Platz gehen</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="79"/>
        <source>. or %1</source>
        <translation>. oder %1</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="80"/>
        <source>Empty the cursor&apos;s slot; %1 empties the slot before it</source>
        <translation>Den markierten Platz leeren; %1 leert den Platz davor</translation>
    </message>
    <message>
        <location filename="../window_actions.cpp" line="81"/>
        <source>Go to the palette, the solution&apos;s list and the Solve button</source>
        <translation>Zur Palette, zur Liste der Lösung und zum Knopf Lösen gehen</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <location filename="../texts.cpp" line="17"/>
        <source>a control character or a character beyond ASCII</source>
        <translation>ein Steuerzeichen oder ein Zeichen außerhalb von ASCII</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="23"/>
        <source>Turn upper half right</source>
        <translation>Obere Hälfte nach rechts drehen</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="24"/>
        <source>Turn upper half left</source>
        <translation>Obere Hälfte nach links drehen</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="25"/>
        <source>Turn lower half right</source>
        <translation>Untere Hälfte nach rechts drehen</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="26"/>
        <source>Turn lower half left</source>
        <translation>Untere Hälfte nach links drehen</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="27"/>
        <source>Slide the long columns</source>
        <translation>Die langen Säulen schieben</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="40"/>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="41"/>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="42"/>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="43"/>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="44"/>
        <source>grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="45"/>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="46"/>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message numerus="yes">
        <location filename="../texts.cpp" line="57"/>
        <source>There are %n empty slots; the drum has %1.</source>
        <translation>
            <numerusform>Es gibt %n leeren Platz; die Trommel hat %1.</numerusform>
            <numerusform>Es gibt %n leere Plätze; die Trommel hat %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../texts.cpp" line="59"/>
        <source>Colour %1 (%2) has %n balls, it needs %3.</source>
        <translation>
            <numerusform>Farbe %1 (%2) hat %n Kugel, sie braucht %3.</numerusform>
            <numerusform>Farbe %1 (%2) hat %n Kugeln, sie braucht %3.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="64"/>
        <source>The long columns&apos; empty slots must all be at the top or all at the bottom.</source>
        <translation>Die leeren Plätze der langen Säulen müssen alle oben oder alle unten sein.</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="82"/>
        <source>Column %1 is a short one: its four slots always hold balls.</source>
        <translation>Säule %1 ist eine kurze: ihre vier Plätze tragen immer Kugeln.</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="90"/>
        <source>The empty slots belong at the top or the bottom of columns 1, 3 and 5.</source>
        <translation>Die leeren Plätze gehören oben oder unten in die Säulen 1, 3 und 5.</translation>
    </message>
    <message numerus="yes">
        <location filename="../texts.cpp" line="97"/>
        <source>That is not a layout: it has %n characters, a layout has %1.</source>
        <translation>
            <numerusform>Das ist keine Stellung: Sie hat %n Zeichen, eine Stellung hat %1.</numerusform>
            <numerusform>Das ist keine Stellung: Sie hat %n Zeichen, eine Stellung hat %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="99"/>
        <source>That is not a layout: character %1 is %2, not a space, “_” or a colour 0 to 5.</source>
        <translation>Das ist keine Stellung: Zeichen %1 ist %2, kein Leerzeichen, „_“ und keine Farbe 0 bis 5.</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="111"/>
        <source>Solved: no moves needed.</source>
        <translation>Gelöst: kein Zug nötig.</translation>
    </message>
    <message numerus="yes">
        <location filename="../texts.cpp" line="112"/>
        <source>%n moves; none shorter</source>
        <translation>
            <numerusform>%n Zug; keiner ist kürzer</numerusform>
            <numerusform>%n Züge; keiner ist kürzer</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="34"/>
        <source>Slide the long columns down</source>
        <translation>Die langen Säulen hinunterschieben</translation>
    </message>
    <message>
        <location filename="../texts.cpp" line="35"/>
        <source>Slide the long columns up</source>
        <translation>Die langen Säulen hinaufschieben</translation>
    </message>
</context>
<context>
    <name>tq::solver_window::SolverWindow</name>
    <message>
        <location filename="../solver_window.cpp" line="102"/>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="103"/>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="104"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="105"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="106"/>
        <source>Scramble</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="107"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="129"/>
        <source>Trommelquirl Solver</source>
        <translation>Trommelquirl-Löser</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="198"/>
        <location filename="../solver_window.cpp" line="478"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="198"/>
        <source>Undo any change</source>
        <translation>Jede Änderung rückgängig machen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="200"/>
        <location filename="../solver_window.cpp" line="481"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="202"/>
        <source>&amp;Copy Layout</source>
        <translation>Stellung &amp;kopieren</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="204"/>
        <source>Copy &amp;Solution</source>
        <translation>&amp;Lösung kopieren</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="206"/>
        <source>&amp;Paste Layout</source>
        <translation>Stellung &amp;einfügen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="207"/>
        <source>Sc&amp;ramble</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="208"/>
        <source>Rese&amp;t</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="209"/>
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="211"/>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="212"/>
        <source>&amp;Next Move</source>
        <translation>&amp;Nächster Zug</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="213"/>
        <source>&amp;Previous Move</source>
        <translation>&amp;Voriger Zug</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="215"/>
        <source>To the S&amp;tart</source>
        <translation>Zum &amp;Anfang</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="216"/>
        <source>To the &amp;End</source>
        <translation>Zum &amp;Ende</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="217"/>
        <location filename="../solver_window.cpp" line="472"/>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="212"/>
        <source>Follow the solution: the next move</source>
        <translation>Der Lösung folgen: der nächste Zug</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="213"/>
        <source>Take the last move of the solution back</source>
        <translation>Den letzten Zug der Lösung zurücknehmen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="215"/>
        <source>Jump to the solution&apos;s start</source>
        <translation>Zum Anfang der Lösung springen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="216"/>
        <source>Jump to the solution&apos;s end</source>
        <translation>Zum Ende der Lösung springen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="218"/>
        <source>&amp;Add to the Game&apos;s Solutions</source>
        <translation>Zu den Lösungen des Spiels &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="218"/>
        <source>Add the solution to the game&apos;s solutions</source>
        <translation>Die Lösung zu den Lösungen des Spiels hinzufügen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="220"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="222"/>
        <source>&amp;Animate Moves</source>
        <translation>Züge &amp;animieren</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="222"/>
        <source>Animate the moves</source>
        <translation>Die Züge animieren</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="228"/>
        <source>Show &amp;Colour Numbers</source>
        <translation>&amp;Farbnummern zeigen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="228"/>
        <source>Show the colours&apos; numbers on the balls</source>
        <translation>Die Nummern der Farben auf den Kugeln zeigen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="234"/>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="235"/>
        <source>How to Read the &amp;Drum</source>
        <translation>So liest man die &amp;Trommel</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="235"/>
        <source>How the picture maps onto the drum in your hand</source>
        <translation>Wie das Bild zur Trommel in Ihrer Hand passt</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="237"/>
        <source>&amp;About Trommelquirl Solver</source>
        <translation>&amp;Über den Trommelquirl-Löser</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="237"/>
        <source>About the program</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="264"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="265"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="266"/>
        <source>&amp;Moves</source>
        <translation>&amp;Züge</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="268"/>
        <source>&amp;Solution</source>
        <translation>&amp;Lösung</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="269"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="270"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="274"/>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="309"/>
        <source>Empty slot</source>
        <translation>Leerer Platz</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="310"/>
        <source>Click a slot to make it: %1. At the slot cursor, the key %2 does the same.</source>
        <translation>Klicken Sie auf einen Platz, um ihn so zu machen: %1. An der Platzmarke tut die Taste %2 dasselbe.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="490"/>
        <source>Press Solve (%1) for a shortest solution.</source>
        <translation>Lösen (%1) findet eine kürzeste Lösung.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="495"/>
        <source>Next: %1 — move %2 of %3</source>
        <translation>Als Nächstes: %1 – Zug %2 von %3</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="549"/>
        <source>No solution: the solver could not run.</source>
        <translation>Keine Lösung: der Löser konnte nicht laufen.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="560"/>
        <source>Found a shortest solution in %1 ms, with the small table while the full one is built.</source>
        <translation>Eine kürzeste Lösung in %1 ms gefunden, mit der kleinen Tabelle, während die volle gebaut wird.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="561"/>
        <source>Found a shortest solution in %1 ms.</source>
        <translation>Eine kürzeste Lösung in %1 ms gefunden.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="309"/>
        <source>Colour %1, %2</source>
        <translation>Farbe %1, %2</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="357"/>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="369"/>
        <source>Solver&apos;s table: %p%</source>
        <translation>Tabelle des Lösers: %p %</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="373"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="378"/>
        <source>Cancelling the table&apos;s build…</source>
        <translation>Der Bau der Tabelle wird abgebrochen …</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="399"/>
        <source>The long columns are down already; 5 slides them up.</source>
        <translation>Die langen Säulen stehen schon unten; 5 schiebt sie hoch.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="400"/>
        <source>The long columns are up already; 2 slides them down.</source>
        <translation>Die langen Säulen stehen schon oben; 2 schiebt sie hinunter.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="425"/>
        <source>Where you left off cannot be kept in %1: %2</source>
        <translation>Wo Sie aufgehört haben, kann nicht in %1 bleiben: %2</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="435"/>
        <source>Building the solver&apos;s table…</source>
        <translation>Die Tabelle des Lösers wird gebaut …</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="435"/>
        <source>Preparing the solver&apos;s table…</source>
        <translation>Die Tabelle des Lösers wird vorbereitet …</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="472"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="478"/>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="481"/>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederherstellen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="486"/>
        <source>Solving…</source>
        <translation>Löse …</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="535"/>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="538"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="497"/>
        <location filename="../solver_window.cpp" line="557"/>
        <location filename="../solver_window.cpp" line="660"/>
        <source>The drum is solved.</source>
        <translation>Die Trommel ist gelöst.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="499"/>
        <location filename="../solver_window.cpp" line="557"/>
        <location filename="../solver_window.cpp" line="660"/>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="582"/>
        <source>The solver&apos;s table is built and kept for the next time.</source>
        <translation>Die Tabelle des Lösers ist gebaut und für das nächste Mal gespeichert.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="583"/>
        <source>The solver&apos;s table could not be read (%1); it is built again and kept.</source>
        <translation>Die Tabelle des Lösers war nicht lesbar (%1); sie wird neu gebaut und gespeichert.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="588"/>
        <source>The solver&apos;s table was not built: cancelled.</source>
        <translation>Die Tabelle des Lösers wurde nicht gebaut: abgebrochen.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="589"/>
        <source>The solver&apos;s table was not built: not enough memory.</source>
        <translation>Die Tabelle des Lösers wurde nicht gebaut: zu wenig Speicher.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="590"/>
        <source>The solver could not start its threads.</source>
        <translation>Der Löser konnte seine Threads nicht starten.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="592"/>
        <source>%1 The small table answers meanwhile.</source>
        <translation>%1 Die kleine Tabelle antwortet solange.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="601"/>
        <source>Building the solver&apos;s table (once; about 5 seconds)…</source>
        <translation>Die Tabelle des Lösers wird gebaut (einmalig, etwa 5 Sekunden) …</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="619"/>
        <source>Edited the position; the solution is set aside. Undo brings it back.</source>
        <translation>Die Stellung ist geändert; die Lösung ist beiseitegelegt. Rückgängig holt sie zurück.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="627"/>
        <source>Not pasted. %1</source>
        <translation>Nicht eingefügt. %1</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="630"/>
        <source>Pasted: the drum shows this position already.</source>
        <translation>Eingefügt: Die Trommel zeigt diese Stellung schon.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="631"/>
        <source>Pasted a new position.</source>
        <translation>Eine neue Stellung eingefügt.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="640"/>
        <source>Copied the layout.</source>
        <translation>Die Stellung wurde kopiert.</translation>
    </message>
    <message numerus="yes">
        <location filename="../solver_window.cpp" line="646"/>
        <source>Copied the solution&apos;s %n moves as digits.</source>
        <translation>
            <numerusform>Den einen Zug der Lösung als Ziffer kopiert.</numerusform>
            <numerusform>Die %n Züge der Lösung als Ziffern kopiert.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="725"/>
        <source>Added to the game&apos;s solutions in %1: the game now answers this position at once.</source>
        <translation>Zu den Lösungen des Spiels in %1 hinzugefügt: Das Spiel beantwortet diese Stellung jetzt sofort.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="727"/>
        <source>Not Added</source>
        <translation>Nicht hinzugefügt</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="728"/>
        <source>The solution could not be added to %1:
%2</source>
        <translation>Die Lösung konnte nicht zu %1 hinzugefügt werden:
%2</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="194"/>
        <source>Slide the long columns down, up</source>
        <translation>Die langen Säulen hinunter, hinauf schieben</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="200"/>
        <source>Redo what was undone</source>
        <translation>Rückgängig Gemachtes wiederherstellen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="203"/>
        <source>Copy the layout (26 characters, “_” for an empty slot)</source>
        <translation>Die Stellung kopieren (26 Zeichen, „_“ für einen leeren Platz)</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="206"/>
        <source>Paste a layout</source>
        <translation>Eine Stellung einfügen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="207"/>
        <source>Scramble the drum</source>
        <translation>Die Trommel mischen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="208"/>
        <source>Reset to the start position</source>
        <translation>Auf die Anfangsstellung zurücksetzen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="209"/>
        <source>Solve: find a shortest solution</source>
        <translation>Lösen: eine kürzeste Lösung finden</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="211"/>
        <source>Hint: mark the first move of a shortest solution</source>
        <translation>Tipp: den ersten Zug einer kürzesten Lösung zeigen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="217"/>
        <source>Play the rest of the solution, pause</source>
        <translation>Den Rest der Lösung abspielen, anhalten</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="205"/>
        <source>Copy the solution&apos;s moves as digits (1 to 5)</source>
        <translation>Die Züge der Lösung als Ziffern kopieren (1 bis 5)</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="220"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="576"/>
        <source>The solver&apos;s table cannot be kept (%1); it is built again on every run.</source>
        <translation>Die Tabelle des Lösers kann nicht bleiben (%1); sie wird bei jedem Start neu gebaut.</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="739"/>
        <source>About Trommelquirl Solver</source>
        <translation>Über den Trommelquirl-Löser</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="740"/>
        <source>&lt;h3&gt;Trommelquirl Solver %1&lt;/h3&gt;&lt;p&gt;Set up any position of the drum, see its shortest solution and follow it move by move.&lt;/p&gt;&lt;p&gt;Copyright The Trommelquirl developers.&lt;br&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Trommelquirl-Löser %1&lt;/h3&gt;&lt;p&gt;Jede Stellung der Trommel aufbauen, ihre kürzeste Lösung sehen und ihr Zug für Zug folgen.&lt;/p&gt;&lt;p&gt;Copyright The Trommelquirl developers.&lt;br&gt;Veröffentlicht unter der MIT-Lizenz.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="199"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="201"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../solver_window.cpp" line="234"/>
        <source>This list</source>
        <translation>Diese Liste</translation>
    </message>
</context>
</TS>
