<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DrumGuide</name>
    <message>
        <source>Column numbers 1 to 5</source>
        <translation>Säulennummern 1 bis 5</translation>
    </message>
    <message>
        <source>Top slots: fixed, they never turn</source>
        <translation>Obere Plätze: fest, sie drehen sich nie</translation>
    </message>
    <message>
        <source>Upper half: its two rows turn together</source>
        <translation>Obere Hälfte: ihre Reihen drehen sich zusammen</translation>
    </message>
    <message>
        <source>The line between the halves</source>
        <translation>Die Linie zwischen den Hälften</translation>
    </message>
    <message>
        <source>Lower half: its two rows turn together</source>
        <translation>Untere Hälfte: ihre Reihen drehen sich zusammen</translation>
    </message>
    <message>
        <source>Bottom slots: fixed, they never turn</source>
        <translation>Untere Plätze: fest, sie drehen sich nie</translation>
    </message>
    <message>
        <source>Faded: column 5 again; columns 5 and 1 are neighbours around the drum</source>
        <translation>Blass: noch einmal Säule 5; die Säulen 5 und 1 sind Nachbarn rund um die Trommel</translation>
    </message>
    <message>
        <source>Columns 1, 3 and 5 slide through the fixed slots. An empty slot is a hole.</source>
        <translation>Die Säulen 1, 3 und 5 gleiten durch die festen Plätze. Ein leerer Platz ist ein Loch.</translation>
    </message>
    <message>
        <source>The drum with its parts named</source>
        <translation>Die Trommel mit den Namen ihrer Teile</translation>
    </message>
    <message>
        <source>How to Read the Drum</source>
        <translation>So liest man die Trommel</translation>
    </message>
    <message>
        <source>&lt;p&gt;The picture shows the drum unrolled: read it from left to right as the drum turns past you. Column 5 is followed again by column 1.&lt;/p&gt;&lt;p&gt;Turning a half moves the balls of its two rows one column to the left or right, all round the drum. Sliding moves columns 1, 3 and 5 one slot up or down at once; the short columns 2 and 4 never slide.&lt;/p&gt;&lt;p&gt;The next move is shown by white arrows: across its half for a turn, beside the long columns for a slide. A red ring with four ticks marks a slot that keeps the position from being solved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Bild zeigt die Trommel abgerollt, von links nach rechts so, wie sie sich vorbeidreht. Auf Säule 5 folgt wieder Säule 1.&lt;/p&gt;&lt;p&gt;Eine Drehung einer Hälfte bewegt die Kugeln ihrer zwei Reihen um eine Säule nach links oder rechts, rund um die Trommel. Das Schieben bewegt die Säulen 1, 3 und 5 zugleich um einen Platz nach oben oder unten; die kurzen Säulen 2 und 4 werden nie geschoben.&lt;/p&gt;&lt;p&gt;Den nächsten Zug zeigen weiße Pfeile: quer über seine Hälfte bei einer Drehung, neben den langen Säulen beim Schieben. Ein roter Ring mit vier Strichen markiert einen Platz, an dem die Stellung unlösbar wird.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>a control character or a character beyond ASCII</source>
        <translation>ein Steuerzeichen oder ein Zeichen außerhalb von ASCII</translation>
    </message>
    <message>
        <source>Turn upper half right</source>
        <translation>Obere Hälfte nach rechts drehen</translation>
    </message>
    <message>
        <source>Turn upper half left</source>
        <translation>Obere Hälfte nach links drehen</translation>
    </message>
    <message>
        <source>Turn lower half right</source>
        <translation>Untere Hälfte nach rechts drehen</translation>
    </message>
    <message>
        <source>Turn lower half left</source>
        <translation>Untere Hälfte nach links drehen</translation>
    </message>
    <message>
        <source>Slide the long columns</source>
        <translation>Die langen Säulen schieben</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message numerus="yes">
        <source>There are %n empty slots; the drum has %1.</source>
        <translation>
            <numerusform>Es gibt %n leeren Platz; die Trommel hat %1.</numerusform>
            <numerusform>Es gibt %n leere Plätze; die Trommel hat %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Colour %1 (%2) has %n balls, it needs %3.</source>
        <translation>
            <numerusform>Farbe %1 (%2) hat %n Kugel, sie braucht %3.</numerusform>
            <numerusform>Farbe %1 (%2) hat %n Kugeln, sie braucht %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The long columns&apos; empty slots must all be at the top or all at the bottom.</source>
        <translation>Die leeren Plätze der langen Säulen müssen alle oben oder alle unten sein.</translation>
    </message>
    <message numerus="yes">
        <source>That is not a layout: it has %n characters, a layout has %1.</source>
        <translation>
            <numerusform>Das ist keine Stellung: Sie hat %n Zeichen, eine Stellung hat %1.</numerusform>
            <numerusform>Das ist keine Stellung: Sie hat %n Zeichen, eine Stellung hat %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>That is not a layout: character %1 is %2, not a space, “_” or a colour 0 to 5.</source>
        <translation>Das ist keine Stellung: Zeichen %1 ist %2, kein Leerzeichen, „_“ und keine Farbe 0 bis 5.</translation>
    </message>
    <message>
        <source>Solved: no moves needed.</source>
        <translation>Gelöst: kein Zug nötig.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves; none shorter</source>
        <translation>
            <numerusform>%n Zug; keiner ist kürzer</numerusform>
            <numerusform>%n Züge; keiner ist kürzer</numerusform>
        </translation>
    </message>
    <message>
        <source>Slide the long columns down</source>
        <translation>Die langen Säulen hinunterschieben</translation>
    </message>
    <message>
        <source>Slide the long columns up</source>
        <translation>Die langen Säulen hinaufschieben</translation>
    </message>
</context>
<context>
    <name>tq::solver_window::SolverWindow</name>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Trommelquirl Solver</source>
        <translation>Trommelquirl-Löser</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;Copy Layout</source>
        <translation>Stellung &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Solution</source>
        <translation>&amp;Lösung kopieren</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Paste Layout</source>
        <translation>Stellung &amp;einfügen</translation>
    </message>
    <message>
        <source>Sc&amp;ramble</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Ctrl+Home</source>
        <translation>Ctrl+Home</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Enter</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>&amp;Nächster Zug</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>&amp;Previous Move</source>
        <translation>&amp;Voriger Zug</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>To the S&amp;tart</source>
        <translation>Zum &amp;Anfang</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>To the &amp;End</source>
        <translation>Zum &amp;Ende</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Add to the Game&apos;s Solutions</source>
        <translation>Zu den Lösungen des Spiels &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Animate Moves</source>
        <translation>Züge &amp;animieren</translation>
    </message>
    <message>
        <source>Show &amp;Colour Numbers</source>
        <translation>&amp;Farbnummern zeigen</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;About Trommelquirl Solver</source>
        <translation>&amp;Über den Trommelquirl-Löser</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>&amp;Züge</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Lösung</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Empty slot (.)</source>
        <translation>Leerer Platz (.)</translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation>Farbe %1, %2</translation>
    </message>
    <message>
        <source>Click a slot to make it: %1</source>
        <translation>Ein Klick auf einen Platz macht ihn zu: %1</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Find a shortest solution (Ctrl+Return)</source>
        <translation>Eine kürzeste Lösung finden (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>Solver&apos;s table: %p%</source>
        <translation>Tabelle des Lösers: %p %</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling the table&apos;s build…</source>
        <translation>Der Bau der Tabelle wird abgebrochen …</translation>
    </message>
    <message>
        <source>The long columns are down already; 5 slides them up.</source>
        <translation>Die langen Säulen stehen schon unten; 5 schiebt sie hoch.</translation>
    </message>
    <message>
        <source>The long columns are up already; 2 slides them down.</source>
        <translation>Die langen Säulen stehen schon oben; 2 schiebt sie hinunter.</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>Solving…</source>
        <translation>Löse …</translation>
    </message>
    <message>
        <source>Press Solve (Ctrl+Return) for a shortest solution.</source>
        <translation>„Lösen“ (Strg+Eingabe) findet eine kürzeste Lösung.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Loading the solver&apos;s table…</source>
        <translation>Die Tabelle des Lösers wird geladen …</translation>
    </message>
    <message>
        <source>The drum is solved.</source>
        <translation>Die Trommel ist gelöst.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Solved in %1 ms.</source>
        <translation>Gelöst in %1 ms.</translation>
    </message>
    <message>
        <source>The solver&apos;s table cannot be kept in %1; it is built again on every run.</source>
        <translation>Die Tabelle des Lösers kann nicht in %1 bleiben; sie wird bei jedem Start neu gebaut.</translation>
    </message>
    <message>
        <source>The solver&apos;s table is built and kept for the next time.</source>
        <translation>Die Tabelle des Lösers ist gebaut und für das nächste Mal gespeichert.</translation>
    </message>
    <message>
        <source>The solver&apos;s table was not built: cancelled.</source>
        <translation>Die Tabelle des Lösers wurde nicht gebaut: abgebrochen.</translation>
    </message>
    <message>
        <source>The solver&apos;s table was not built: not enough memory.</source>
        <translation>Die Tabelle des Lösers wurde nicht gebaut: zu wenig Speicher.</translation>
    </message>
    <message>
        <source>Building the solver&apos;s table (once; about 5 seconds)…</source>
        <translation>Die Tabelle des Lösers wird gebaut (einmalig, etwa 5 Sekunden) …</translation>
    </message>
    <message>
        <source>Not pasted. %1</source>
        <translation>Nicht eingefügt. %1</translation>
    </message>
    <message>
        <source>Pasted: the drum shows this position already.</source>
        <translation>Eingefügt: Die Trommel zeigt diese Stellung schon.</translation>
    </message>
    <message>
        <source>Pasted a new position.</source>
        <translation>Eine neue Stellung eingefügt.</translation>
    </message>
    <message>
        <source>Copied the layout.</source>
        <translation>Die Stellung wurde kopiert.</translation>
    </message>
    <message numerus="yes">
        <source>Copied the solution&apos;s %n moves as digits.</source>
        <translation>
            <numerusform>Den einen Zug der Lösung als Ziffer kopiert.</numerusform>
            <numerusform>Die %n Züge der Lösung als Ziffern kopiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added to the game&apos;s solutions in %1: the game now answers this position at once.</source>
        <translation>Zu den Lösungen des Spiels in %1 hinzugefügt: Das Spiel beantwortet diese Stellung jetzt sofort.</translation>
    </message>
    <message>
        <source>Not Added</source>
        <translation>Nicht hinzugefügt</translation>
    </message>
    <message>
        <source>The solution could not be added to %1:
%2</source>
        <translation>Die Lösung konnte nicht zu %1 hinzugefügt werden:
%2</translation>
    </message>
    <message>
        <source>Keypad 4, 6</source>
        <translation>Ziffernblock 4, 6</translation>
    </message>
    <message>
        <source>Turn the upper half left, right (Num Lock on or off)</source>
        <translation>Die obere Hälfte nach links, nach rechts drehen (mit oder ohne Num-Taste)</translation>
    </message>
    <message>
        <source>Keypad 1, 3</source>
        <translation>Ziffernblock 1, 3</translation>
    </message>
    <message>
        <source>Turn the lower half left, right</source>
        <translation>Die untere Hälfte nach links, nach rechts drehen</translation>
    </message>
    <message>
        <source>Keypad 2, 5</source>
        <translation>Ziffernblock 2, 5</translation>
    </message>
    <message>
        <source>Slide the long columns down, up</source>
        <translation>Die langen Säulen hinunter, hinauf schieben</translation>
    </message>
    <message>
        <source>Solve: find a shortest solution</source>
        <translation>Lösen: eine kürzeste Lösung finden</translation>
    </message>
    <message>
        <source>Hint: mark the first move of a shortest solution</source>
        <translation>Tipp: den ersten Zug einer kürzesten Lösung zeigen</translation>
    </message>
    <message>
        <source>Right, Left</source>
        <translation>Rechts, Links</translation>
    </message>
    <message>
        <source>Follow the solution: next move, previous move</source>
        <translation>Der Lösung folgen: nächster Zug, voriger Zug</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Pos1, Ende</translation>
    </message>
    <message>
        <source>Jump to the solution&apos;s start, end</source>
        <translation>Zum Anfang, zum Ende der Lösung springen</translation>
    </message>
    <message>
        <source>Play the rest of the solution, pause</source>
        <translation>Den Rest der Lösung abspielen, anhalten</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Give a slot the colour chosen in the palette</source>
        <translation>Einem Platz die gewählte Farbe der Palette geben</translation>
    </message>
    <message>
        <source>Right-click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Empty a slot</source>
        <translation>Einen Platz leeren</translation>
    </message>
    <message>
        <source>Ctrl+arrow keys</source>
        <translation>Strg+Pfeiltasten</translation>
    </message>
    <message>
        <source>Move the slot cursor</source>
        <translation>Die Platzmarke bewegen</translation>
    </message>
    <message>
        <source>0 to 5</source>
        <translation>0 bis 5</translation>
    </message>
    <message>
        <source>Give the cursor&apos;s slot that colour and go to the next slot</source>
        <translation>Dem markierten Platz diese Farbe geben und zum nächsten Platz gehen</translation>
    </message>
    <message>
        <source>. or Delete</source>
        <translation>. oder Entf</translation>
    </message>
    <message>
        <source>Empty the cursor&apos;s slot; Backspace empties the slot before it</source>
        <translation>Den markierten Platz leeren; die Rücktaste leert den Platz davor</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Shift+Z</source>
        <translation>Strg+Z, Strg+Umschalt+Z</translation>
    </message>
    <message>
        <source>Undo, redo any change</source>
        <translation>Jede Änderung rückgängig machen, wiederherstellen</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+V</source>
        <translation>Strg+C, Strg+V</translation>
    </message>
    <message>
        <source>Copy, paste the layout (26 characters, “_” for an empty slot)</source>
        <translation>Die Stellung kopieren, einfügen (26 Zeichen, „_“ für einen leeren Platz)</translation>
    </message>
    <message>
        <source>Copy the solution&apos;s moves as digits (1 to 5)</source>
        <translation>Die Züge der Lösung als Ziffern kopieren (1 bis 5)</translation>
    </message>
    <message>
        <source>Ctrl+R, Ctrl+Home</source>
        <translation>Strg+R, Strg+Pos1</translation>
    </message>
    <message>
        <source>Scramble, reset to the start position</source>
        <translation>Mischen, zur Anfangsstellung zurücksetzen</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>About Trommelquirl Solver</source>
        <translation>Über den Trommelquirl-Löser</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Trommelquirl Solver %1&lt;/h3&gt;&lt;p&gt;Set up any position of the drum, see its shortest solution and follow it move by move.&lt;/p&gt;&lt;p&gt;Copyright The Trommelquirl developers.&lt;br&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Trommelquirl-Löser %1&lt;/h3&gt;&lt;p&gt;Jede Stellung der Trommel aufbauen, ihre kürzeste Lösung sehen und ihr Zug für Zug folgen.&lt;/p&gt;&lt;p&gt;Copyright The Trommelquirl developers.&lt;br&gt;Veröffentlicht unter der MIT-Lizenz.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Click a line of the solution</source>
        <translation>Klick auf eine Zeile der Lösung</translation>
    </message>
    <message>
        <source>Jump to that step</source>
        <translation>Zu diesem Schritt springen</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This list</source>
        <translation>Diese Liste</translation>
    </message>
</context>
</TS>
