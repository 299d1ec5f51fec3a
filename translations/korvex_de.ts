<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Die: %1</source>
        <translation>Würfel: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score box read aloud: its row&apos;s caption and its score, &quot;Fours: 12&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>Roll %1</source>
        <extracomment>The roll indicator: which roll of the turn this is.</extracomment>
        <translation>Wurf %1</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <extracomment>The game&apos;s icon in the About window; %1 is the game&apos;s name.</extracomment>
        <translation>%1-Symbol</translation>
    </message>
    <message>
        <source>%1: %2 if scored now</source>
        <extracomment>A score box showing what the dice would score there: &quot;Ones: 2 if scored now&quot;.</extracomment>
        <translation>%1: %2, wenn jetzt eingetragen</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>Ones</source>
        <translation>Einser</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechser</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Dreierpasch</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Viererpasch</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine Straße</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Große Straße</translation>
    </message>
    <message>
        <source>Korvex</source>
        <translation>Korvex</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>Advice begins with the first roll.</source>
        <translation>Tipps gibt es ab dem ersten Wurf.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>No advice on a forced roll.</source>
        <translation>Kein Tipp bei einem erzwungenen Wurf.</translation>
    </message>
    <message>
        <source>Working out the best play…</source>
        <translation>Der beste Zug wird berechnet…</translation>
    </message>
    <message>
        <source>Expected final total with best play: %1</source>
        <translation>Erwartete Endsumme bei bestem Spiel: %1</translation>
    </message>
    <message>
        <source>Your last choice gave up %1 points.</source>
        <translation>Deine letzte Wahl hat %1 Punkte verschenkt.</translation>
    </message>
    <message>
        <source>Given up this game: %1 points.</source>
        <translation>In diesem Spiel verschenkt: %1 Punkte.</translation>
    </message>
    <message>
        <source>Roll all five again</source>
        <translation>Alle fünf neu würfeln</translation>
    </message>
    <message>
        <source>Hold %1 and roll</source>
        <extracomment>%1 is the dice to hold, e.g. &quot;4 4 4&quot;.</extracomment>
        <translation>%1 halten und würfeln</translation>
    </message>
    <message>
        <source>Score %1 for %2</source>
        <extracomment>%1 is a category of the card, %2 the points it gives now.</extracomment>
        <translation>%1 für %2 eintragen</translation>
    </message>
    <message>
        <source>Roll all five again (release the %1)</source>
        <extracomment>%1 is the one die to let go of, &quot;3&quot;.</extracomment>
        <translation>Alle fünf neu würfeln (die %1 freigeben)</translation>
    </message>
    <message>
        <source>Roll all five again (release the %1 and %2)</source>
        <extracomment>%1 is the dice to let go of but the last, &quot;1, 2&quot;; %2 the last of them, &quot;3&quot;.</extracomment>
        <translation>Alle fünf neu würfeln (die %1 und %2 freigeben)</translation>
    </message>
    <message>
        <source>Hold %1 and roll (release the %2)</source>
        <extracomment>%1 is the dice to hold, &quot;4 4 4&quot;; %2 the one die to let go of, &quot;1&quot;.</extracomment>
        <translation>%1 halten und würfeln (die %2 freigeben)</translation>
    </message>
    <message>
        <source>Hold %1 and roll (release the %2 and %3)</source>
        <extracomment>%1 is the dice to hold, &quot;4 4&quot;; %2 the dice to let go of but the last, &quot;1, 2&quot;; %3 the last of them, &quot;3&quot;.</extracomment>
        <translation>%1 halten und würfeln (die %2 und %3 freigeben)</translation>
    </message>
    <message>
        <source>Roll: you already hold %1</source>
        <extracomment>%1 is the dice the player holds, &quot;6 6&quot;.</extracomment>
        <translation>Würfeln: Du hältst schon %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You must choose an item to score.</source>
        <translation>Wähle zuerst eine Kategorie zum Eintragen.</translation>
    </message>
    <message>
        <source>Scoring Error</source>
        <translation>Fehler beim Eintragen</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>Shown in capitals, framed in red, until the first roll of a game.</extracomment>
        <translation>START</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Save Score &amp;&amp; Roll Again</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. Records the chosen category and rolls for the next turn.</extracomment>
        <translation>Eintragen &amp;&amp; weiterwürfeln</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Zwischensumme:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Select which dice you want to keep...</source>
        <translation>Wähle die Würfel, die du behalten willst...</translation>
    </message>
    <message>
        <source>Roll Number:</source>
        <translation>Wurf Nr.:</translation>
    </message>
    <message>
        <source>Help/</source>
        <extracomment>Read together with the &quot;About&quot; link below it: &quot;Help/ About&quot;.</extracomment>
        <translation>Hilfe/</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>keep</source>
        <extracomment>Under a die: the coach&apos;s best move holds it for the next roll. One short word, as wide as the die.</extracomment>
        <translation>halten</translation>
    </message>
    <message>
        <source>release</source>
        <extracomment>Under a die the player holds: the coach&apos;s best move lets it go. One short word, as wide as the die.</extracomment>
        <translation>freigeben</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A row of the score card: the category&apos;s name, &quot;Fours:&quot;.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <extracomment>A die as a screen reader names it: its position and its face, &quot;Die 2: 5&quot;.</extracomment>
        <translation>Würfel %1: %2</translation>
    </message>
    <message>
        <source>Game over: %1 points.</source>
        <translation>Spiel vorbei: %1 Punkte.</translation>
    </message>
    <message>
        <source>Your decisions gave up %1 points.</source>
        <translation>Deine Entscheidungen haben %1 Punkte verschenkt.</translation>
    </message>
    <message>
        <source>Costliest: turn %1, %2 (%3 points).</source>
        <extracomment>%1 is the turn, %2 the player&apos;s move there (&quot;Held 6 6 and rolled&quot;), %3 what it gave up.</extracomment>
        <translation>Am teuersten: Runde %1, %2 (%3 Punkte).</translation>
    </message>
    <message>
        <source>Every decision was the best.</source>
        <translation>Jede Entscheidung war die beste.</translation>
    </message>
    <message>
        <source>This window cannot be opened: its module is missing or damaged (%1).</source>
        <translation>Dieses Fenster lässt sich nicht öffnen: Sein Modul fehlt oder ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Roll %1 of %2: %3.</source>
        <extracomment>After a roll: which roll of the turn it was, and the five dice in position order.</extracomment>
        <translation>Wurf %1 von %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2 points and %3 extra.</source>
        <translation>%1: %2 Punkte und %3 extra.</translation>
    </message>
    <message>
        <source>%1: %2 points.</source>
        <extracomment>A recorded score: the category and its points.</extracomment>
        <translation>%1: %2 Punkte.</translation>
    </message>
    <message>
        <source>Upper bonus: %1 points.</source>
        <translation>Bonus oben: %1 Punkte.</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Gesamt: %1.</translation>
    </message>
    <message>
        <source>%1: %2 if scored now.</source>
        <extracomment>A category clicked but not recorded yet: what it would score.</extracomment>
        <translation>%1: %2, wenn jetzt eingetragen.</translation>
    </message>
    <message>
        <source>It enters the high-score table at place %1.</source>
        <extracomment>%1 is the place in the table of the ten best, 1 for the best.</extracomment>
        <translation>Es kommt auf Platz %1 der Bestenliste.</translation>
    </message>
    <message>
        <source>It is not among the ten best.</source>
        <translation>Es ist nicht unter den besten zehn.</translation>
    </message>
    <message>
        <source>After a forced roll no game of this run enters the table.</source>
        <translation>Nach einem erzwungenen Wurf kommt kein Spiel dieses Laufs in die Liste.</translation>
    </message>
    <message>
        <source>The next roll is forced: all five dice show %1.</source>
        <translation>Der nächste Wurf ist erzwungen: alle fünf Würfel zeigen %1.</translation>
    </message>
    <message>
        <source>The next roll is forced: the straight 1 2 3 4 5.</source>
        <extracomment>&quot;s&quot; typed on Roll: the next roll is the straight 1 to 5.</extracomment>
        <translation>Der nächste Wurf ist erzwungen: die Straße 1 2 3 4 5.</translation>
    </message>
    <message>
        <source>From now on no game of this run enters the high-score table.</source>
        <translation>Ab jetzt kommt kein Spiel dieses Laufs in die Bestenliste.</translation>
    </message>
    <message>
        <source>Press START for the first roll. F1 explains the game.</source>
        <translation>START drücken für den ersten Wurf. F1 erklärt das Spiel.</translation>
    </message>
    <message>
        <source>Coach: %1</source>
        <extracomment>The coach&apos;s advice as the status line reads it: &quot;Coach: Hold 6 6 and roll&quot;.</extracomment>
        <translation>Trainer: %1</translation>
    </message>
    <message>
        <source>Coach on.</source>
        <translation>Trainer an.</translation>
    </message>
    <message>
        <source>Coach off.</source>
        <translation>Trainer aus.</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
</context>
<context>
    <name>GameDatabase</name>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>der SQLite-Treiber von Qt SQL ist nicht installiert</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>der Ordner lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>it was written by a newer version of Korvex</source>
        <translation>sie wurde von einer neueren Version von Korvex geschrieben</translation>
    </message>
    <message>
        <source>it is damaged and cannot be renamed</source>
        <translation>sie ist beschädigt und lässt sich nicht umbenennen</translation>
    </message>
    <message>
        <source>the game&apos;s moves are not readable</source>
        <translation>die Züge des Spiels sind nicht lesbar</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>der Datenträger darf nur gelesen werden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>its log file %1 is read-only</source>
        <translation>seine Protokolldatei %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>in seinen Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>another running copy of Korvex is writing to it</source>
        <translation>eine andere laufende Kopie von Korvex schreibt gerade hinein</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>SQLite refused it</source>
        <translation>SQLite hat es abgelehnt</translation>
    </message>
    <message>
        <source>schema version %1 or later; this version knows %2</source>
        <translation>Schemaversion %1 oder neuer; diese Version kennt %2</translation>
    </message>
    <message>
        <source>the game is not in it</source>
        <translation>das Spiel ist nicht darin</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>The record of your games, %1, was damaged. It has been kept as %2, and a new record has been started.</source>
        <translation>Die Aufzeichnung deiner Spiele, %1, war beschädigt. Sie wurde als %2 aufbewahrt, und eine neue Aufzeichnung wurde begonnen.</translation>
    </message>
    <message>
        <source>Game Record</source>
        <translation>Spielaufzeichnung</translation>
    </message>
    <message>
        <source>the module that keeps the record is missing or damaged: %1</source>
        <translation>das Modul, das die Aufzeichnung führt, fehlt oder ist beschädigt: %1</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <extracomment>A line under a message about the record of games; %1 is what SQLite itself said.</extracomment>
        <translation>Einzelheiten: %1</translation>
    </message>
    <message>
        <source>The record of your games, %1, was written by a newer version of Korvex, which this version cannot read. The file is left as it is.</source>
        <translation>Die Aufzeichnung deiner Spiele, %1, wurde von einer neueren Version von Korvex geschrieben, die diese Version nicht lesen kann. Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>The record of your games, %1, cannot be read: %2.</source>
        <translation>Die Aufzeichnung deiner Spiele, %1, kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The games you finish cannot be recorded in %1: it was written by a newer version of Korvex, and this version cannot add games to it. The file is left as it is.</source>
        <translation>Die Spiele, die du beendest, können nicht in %1 aufgezeichnet werden: Die Datei wurde von einer neueren Version von Korvex geschrieben, und diese Version kann ihr keine Spiele hinzufügen. Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Your game could not be written to %1: %2. It is kept and will be recorded at the next chance: when your next game ends, when Statistics opens, or when you close the board.</source>
        <translation>Dein Spiel konnte nicht in %1 geschrieben werden: %2. Es bleibt erhalten und wird bei nächster Gelegenheit aufgezeichnet: wenn dein nächstes Spiel endet, wenn die Statistik geöffnet wird oder wenn du das Spielbrett schließt.</translation>
    </message>
    <message>
        <source>A game you finished could not be recorded in %1: %2. It is lost.</source>
        <translation>Ein Spiel, das du beendet hast, konnte nicht in %1 aufgezeichnet werden: %2. Es ist verloren.</translation>
    </message>
    <message>
        <source>%3 games you finished could not be recorded in %1: %2. They are lost.</source>
        <translation>%3 Spiele, die du beendet hast, konnten nicht in %1 aufgezeichnet werden: %2. Sie sind verloren.</translation>
    </message>
    <message>
        <source>Your practice answers cannot be kept in %1: it was written by a newer version of Korvex, and this version cannot add to it. The file is left as it is.</source>
        <translation>Ihre Übungsantworten können nicht in %1 aufbewahrt werden: Die Datei wurde von einer neueren Version von Korvex geschrieben, und diese Version kann nichts hinzufügen. Die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Your practice answer could not be written to %1: %2. It is not kept, and the position comes back as if it had not been answered.</source>
        <translation>Ihre Übungsantwort konnte nicht in %1 geschrieben werden: %2. Sie wird nicht aufbewahrt, und die Stellung kommt wieder, als wäre sie nicht beantwortet worden.</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>Scored %1 for %2</source>
        <translation>%1 für %2 eingetragen</translation>
    </message>
    <message>
        <source>Rolled all five again</source>
        <translation>Alle fünf neu gewürfelt</translation>
    </message>
    <message>
        <source>Held all five and rolled</source>
        <translation>Alle fünf gehalten und gewürfelt</translation>
    </message>
    <message>
        <source>Held %1 and rolled</source>
        <translation>%1 gehalten und gewürfelt</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>score %1 for %2</source>
        <translation>%1 für %2 zu werten</translation>
    </message>
    <message>
        <source>roll all five again</source>
        <translation>alle fünf neu zu würfeln</translation>
    </message>
    <message>
        <source>hold %1 and roll</source>
        <translation>%1 zu halten und zu würfeln</translation>
    </message>
    <message>
        <source>%1: the best move, giving up nothing. The game expects a final total of %2.</source>
        <translation>%1: der beste Zug, nichts verschenkt. Die Partie erwartet eine Endsumme von %2.</translation>
    </message>
    <message>
        <source>%1: %2 points given up. The best move was to %3, expecting a final total of %4; your move expects %5.</source>
        <translation>%1: %2 Punkte verschenkt. Der beste Zug war, %3, mit einer erwarteten Endsumme von %4; Ihr Zug erwartet %5.</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Zwischensumme</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Korvex Practice</source>
        <translation>Korvex Üben</translation>
    </message>
    <message>
        <source>Hold the dice you would keep and press Roll, or pick the category you would score now. The coach then grades your move.</source>
        <translation>Halten Sie die Würfel, die Sie behalten würden, und drücken Sie Würfeln, oder wählen Sie die Kategorie, die Sie jetzt werten würden. Der Trainer bewertet dann Ihren Zug.</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Nächste Stellung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>The card as it stood: an open box shows what these dice would score there</source>
        <translation>Der Block, wie er stand: Ein offenes Feld zeigt, was diese Würfel dort werten würden</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Working out the best play…</source>
        <translation>Das beste Spiel wird berechnet …</translation>
    </message>
    <message>
        <source>There is no position to practise yet.</source>
        <translation>Es gibt noch keine Stellung zum Üben.</translation>
    </message>
    <message>
        <source>A position from one of your games</source>
        <translation>Eine Stellung aus einer Ihrer Partien</translation>
    </message>
    <message>
        <source>A position from a game the coach played: your own games give positions once you have played some</source>
        <translation>Eine Stellung aus einer Partie des Trainers: Ihre eigenen Partien liefern Stellungen, sobald Sie einige gespielt haben</translation>
    </message>
    <message>
        <source>Turn %1 of %2, roll %3 of %4</source>
        <translation>Runde %1 von %2, Wurf %3 von %4</translation>
    </message>
    <message>
        <source>Your move?</source>
        <translation>Ihr Zug?</translation>
    </message>
    <message>
        <source>That move is not open in this position.</source>
        <translation>Dieser Zug ist in dieser Stellung nicht möglich.</translation>
    </message>
    <message>
        <source>The record could not keep this answer, so it does not count.</source>
        <translation>Die Aufzeichnung konnte diese Antwort nicht aufbewahren, daher zählt sie nicht.</translation>
    </message>
    <message>
        <source>Proficiency: answer a position to see how many points your decisions give up.</source>
        <translation>Leistungsstand: Beantworten Sie eine Stellung, um zu sehen, wie viele Punkte Ihre Entscheidungen verschenken.</translation>
    </message>
    <message>
        <source>Proficiency: %1 points given up in your one answer so far.</source>
        <translation>Leistungsstand: %1 Punkte verschenkt in Ihrer bisher einzigen Antwort.</translation>
    </message>
    <message>
        <source>Proficiency: %1 points given up per decision over your last %2 answers.</source>
        <translation>Leistungsstand: %1 Punkte verschenkt je Entscheidung in Ihren letzten %2 Antworten.</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Score %1 for %2</source>
        <translation>%1 für %2 eintragen</translation>
    </message>
    <message>
        <source>Roll all five again</source>
        <translation>Alle fünf neu würfeln</translation>
    </message>
    <message>
        <source>Hold %1 and roll</source>
        <translation>%1 halten und würfeln</translation>
    </message>
    <message>
        <source>Korvex Review</source>
        <translation>Korvex-Analyse</translation>
    </message>
    <message>
        <source>Working out the best play…</source>
        <translation>Der beste Zug wird berechnet…</translation>
    </message>
    <message>
        <source>Every decision of the game</source>
        <translation>Alle Entscheidungen des Spiels</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Dein Zug</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Bester Zug</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Verschenkt</translation>
    </message>
    <message>
        <source>Expected total after</source>
        <translation>Erwartete Summe danach</translation>
    </message>
    <message>
        <source>Game finished %1, total %2</source>
        <translation>Spiel beendet am %1, Summe %2</translation>
    </message>
    <message>
        <source>This record is not a whole game, so the coach cannot replay it.</source>
        <translation>Diese Aufzeichnung ist kein ganzes Spiel, daher kann der Trainer sie nicht nachspielen.</translation>
    </message>
    <message>
        <source>The costliest: turn %1, roll %2, %3 (%4 points).</source>
        <translation>Am teuersten: Runde %1, Wurf %2, %3 (%4 Punkte).</translation>
    </message>
    <message>
        <source>Moves on forced rolls are not judged.</source>
        <translation>Züge bei erzwungenen Würfen werden nicht bewertet.</translation>
    </message>
    <message>
        <source>forced roll: not judged</source>
        <translation>erzwungener Wurf: nicht bewertet</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Erwartete Endsumme nach jeder Entscheidung</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Erwartete Summe</translation>
    </message>
    <message>
        <source>Line chart over %1 decisions: the expected final total starts at %2 and ends at the game&apos;s total, %3.</source>
        <translation>Liniendiagramm über %1 Entscheidungen: Die erwartete Endsumme beginnt bei %2 und endet bei der Summe des Spiels, %3.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1, holding %2</source>
        <translation>%1, gehalten %2</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Glück</translation>
    </message>
    <message>
        <source>Expected %1 at the start · luck %2 · your decisions gave up %3 · total %4</source>
        <translation>Erwartet %1 zu Beginn · Glück %2 · Ihre Entscheidungen verschenkten %3 · Summe %4</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>How often each total was scored</source>
        <translation>Wie oft jede Summe erzielt wurde</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Noch keine Spiele.</translation>
    </message>
    <message>
        <source>Bar chart of the totals of %1 games in bands of %2 points; the most games, %3, scored from %4 to %5.</source>
        <translation>Balkendiagramm der Summen von %1 Spielen in Bereichen von %2 Punkten; die meisten Spiele, %3, erzielten %4 bis %5.</translation>
    </message>
    <message>
        <source>Totals over time</source>
        <translation>Summen im Zeitverlauf</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Average of the last %1 games</source>
        <translation>Durchschnitt der letzten %1 Spiele</translation>
    </message>
    <message>
        <source>Line chart of the totals of %1 games in the order they were played, with the average of the last %2; the latest average is %3.</source>
        <translation>Liniendiagramm der Summen von %1 Spielen in der gespielten Reihenfolge, mit dem Durchschnitt der letzten %2; der neueste Durchschnitt ist %3.</translation>
    </message>
    <message>
        <source>Average points per category</source>
        <translation>Durchschnittliche Punkte je Kategorie</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>Dein Durchschnitt</translation>
    </message>
    <message>
        <source>Optimal play</source>
        <translation>Optimales Spiel</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Bar chart of your average points in each of the thirteen categories beside what optimal play scores there; you trail it most in %1, %2 against %3.</source>
        <translation>Balkendiagramm deiner durchschnittlichen Punkte in jeder der dreizehn Kategorien neben dem, was optimales Spiel dort erzielt; am weitesten zurück liegst du bei %1, %2 gegenüber %3.</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Average total</source>
        <translation>Durchschnittliche Summe</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Median der Summen</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Beste Summe</translation>
    </message>
    <message>
        <source>Upper bonus won</source>
        <translation>Bonus oben erreicht</translation>
    </message>
    <message>
        <source>Five of a kind in Korvex</source>
        <translation>Fünf gleiche in Korvex</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Forced roll</source>
        <translation>Erzwungener Wurf</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Korvex Statistics</source>
        <translation>Korvex-Statistik</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Over time</source>
        <translation>Zeitverlauf</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Include games with forced rolls</source>
        <translation>Spiele mit erzwungenen Würfen einbeziehen</translation>
    </message>
    <message>
        <source>Recorded games, newest first</source>
        <translation>Aufgezeichnete Spiele, neueste zuerst</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analysieren</translation>
    </message>
    <message>
        <source>Histogram of totals</source>
        <translation>Histogramm der Summen</translation>
    </message>
    <message>
        <source>Average points per category beside optimal play</source>
        <translation>Durchschnittliche Punkte je Kategorie neben optimalem Spiel</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Deine</translation>
    </message>
    <message>
        <source>This game&apos;s moves cannot be read.</source>
        <translation>Die Züge dieses Spiels können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The games could not be written to %1 (%2).</source>
        <translation>Die Spiele konnten nicht in %1 geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Mean total of each %1 games</source>
        <translation>Mittlere Summe je %1 Partien</translation>
    </message>
    <message>
        <source>Points given up per game</source>
        <translation>Verschenkte Punkte je Partie</translation>
    </message>
    <message>
        <source>Points given up</source>
        <translation>Verschenkte Punkte</translation>
    </message>
    <message>
        <source>Mean of each %1 games</source>
        <translation>Mittel je %1 Partien</translation>
    </message>
    <message>
        <source>The coach has judged no game yet.</source>
        <translation>Der Trainer hat noch keine Partie bewertet.</translation>
    </message>
    <message>
        <source>Line chart of the expected points your decisions gave up in each of %1 games judged by the coach, with the average of the last %2; the latest average is %3.</source>
        <translation>Liniendiagramm der erwarteten Punkte, die Ihre Entscheidungen in jeder von %1 vom Trainer bewerteten Partien verschenkten, mit dem Mittel der letzten %2; das neueste Mittel ist %3.</translation>
    </message>
    <message>
        <source>No practice answers yet</source>
        <translation>Noch keine Übungsantworten</translation>
    </message>
    <message>
        <source>Practice: points given up per move</source>
        <translation>Üben: verschenkte Punkte je Zug</translation>
    </message>
    <message>
        <source>Mean of the last 50 answers</source>
        <translation>Mittel der letzten 50 Antworten</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Answer positions in Practice, and this chart shows how many points your moves give up on average, over your last 50 answers.</source>
        <translation>Beantworten Sie Stellungen beim Üben, dann zeigt dieses Diagramm, wie viele Punkte Ihre Züge im Mittel verschenken, über Ihre letzten 50 Antworten.</translation>
    </message>
    <message>
        <source>Line chart over %1 practice answers of the mean expected points a move gave up, over the last 50 answers at each; it stands at %2 now.</source>
        <translation>Liniendiagramm über %1 Übungsantworten der mittleren erwarteten Punkte, die ein Zug verschenkte, jeweils über die letzten 50 Antworten; es steht jetzt bei %2.</translation>
    </message>
    <message>
        <source>Median points given up</source>
        <translation>Median verschenkter Punkte</translation>
    </message>
    <message>
        <source>Given up in the last 10 games</source>
        <translation>Verschenkt in den letzten 10 Partien</translation>
    </message>
    <message>
        <source>Average luck per game</source>
        <translation>Mittleres Glück je Partie</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Verschenkt</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Points given up per game over time</source>
        <translation>Verschenkte Punkte je Partie im Zeitverlauf</translation>
    </message>
    <message>
        <source>Practice: points given up per move over your answers</source>
        <translation>Üben: verschenkte Punkte je Zug über Ihre Antworten</translation>
    </message>
    <message>
        <source>The coach has not yet judged these games: points given up and luck show once it has.</source>
        <translation>Der Trainer hat diese Partien noch nicht bewertet: Verschenkte Punkte und Glück erscheinen, sobald er es getan hat.</translation>
    </message>
    <message>
        <source>Points given up and luck count only the games the coach has judged so far; still to be judged: %1.</source>
        <translation>Verschenkte Punkte und Glück zählen nur die bisher vom Trainer bewerteten Partien; noch zu bewerten: %1.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>June 17, 2005</source>
        <extracomment>The date of the release, written as dates are in your language.</extracomment>
        <translation>17. Juni 2005</translation>
    </message>
    <message>
        <source>Adds all dice showing one pip</source>
        <translation>Augensumme aller Einsen</translation>
    </message>
    <message>
        <source>Adds all dice showing two pips</source>
        <translation>Augensumme aller Zweien</translation>
    </message>
    <message>
        <source>Adds all dice showing three pips</source>
        <translation>Augensumme aller Dreien</translation>
    </message>
    <message>
        <source>Adds all dice showing four pips</source>
        <translation>Augensumme aller Vieren</translation>
    </message>
    <message>
        <source>Adds all dice showing five pips</source>
        <translation>Augensumme aller Fünfen</translation>
    </message>
    <message>
        <source>Adds all dice showing six pips</source>
        <translation>Augensumme aller Sechsen</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Adds all dice if three are the same</source>
        <translation>Augensumme bei drei gleichen</translation>
    </message>
    <message>
        <source>Adds all dice if four are the same</source>
        <translation>Augensumme bei vier gleichen</translation>
    </message>
    <message>
        <source>Adds all dice (no restrictions)</source>
        <translation>Augensumme (ohne Bedingung)</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 pts.</source>
        <translation>%1 Pkt.</translation>
    </message>
    <message>
        <source>%1 pts. are automatically added when the left column totals %2+</source>
        <extracomment>%1 is the bonus, 35; %2 the total it needs, 63.</extracomment>
        <translation>%1 Pkt. extra, wenn die linke Spalte zusammen %2+ ergibt</translation>
    </message>
    <message>
        <source>%1 (%2 for each additional)</source>
        <extracomment>%1 is the points of a five of a kind, &quot;50 pts.&quot;; %2 those of each later one.</extracomment>
        <translation>%1 (%2 für jeden weiteren)</translation>
    </message>
</context>
<context>
    <name>frmGetName</name>
    <message>
        <source>New High Score</source>
        <translation>Neuer Rekord</translation>
    </message>
    <message>
        <source>Enter your initials:</source>
        <translation>Deine Initialen:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmHiScores</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Liste löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all high scores from the list?</source>
        <translation>Sollen wirklich alle Einträge aus der Bestenliste gelöscht werden?</translation>
    </message>
    <message>
        <source>Confirm Deletions</source>
        <translation>Löschen bestätigen</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>Rolling and holding</source>
        <translation>Würfeln und Halten</translation>
    </message>
    <message>
        <source>Press START for the first roll of a game. Click the dice you want to keep, or move to them with the arrow keys and press Space: a held die is framed, and Roll rolls only the others. A turn has up to %1 rolls.</source>
        <translation>START drücken für den ersten Wurf eines Spiels. Klicken Sie die Würfel an, die Sie behalten wollen, oder gehen Sie mit den Pfeiltasten zu ihnen und drücken Sie die Leertaste: ein gehaltener Würfel ist umrahmt, und Würfeln wirft nur die anderen. Eine Runde hat bis zu %1 Würfe.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Click a box on the score card to see what the dice would score there: the box shows it in grey italics until Save Score &amp; Roll Again records it, which also makes the first roll of the next turn. After the last roll of a turn something must be recorded, even a 0. Each box takes one score, so a game lasts %1 turns.</source>
        <translation>Klicken Sie ein Feld der Tabelle an, um zu sehen, was die Würfel dort zählen: das Feld zeigt es grau und kursiv, bis Eintragen &amp; weiterwürfeln es einträgt, was auch den ersten Wurf der nächsten Runde macht. Nach dem letzten Wurf einer Runde muss etwas eingetragen werden, auch eine 0. Jedes Feld nimmt einen Wert, also dauert ein Spiel %1 Runden.</translation>
    </message>
    <message>
        <source>Bonus and extra points</source>
        <translation>Bonus und Extrapunkte</translation>
    </message>
    <message>
        <source>When Ones to Sixes add up to %1 or more (three of each face make exactly %1), %2 points are added. Once Korvex holds %3 points, every later five of a kind adds %4 more, whichever box it is scored in.</source>
        <extracomment>%1 is 63, %2 the bonus (35), %3 the points of a five of a kind (50), %4 those of each later one (100).</extracomment>
        <translation>Ergeben Einser bis Sechser zusammen %1 oder mehr (drei von jeder Augenzahl sind genau %1), kommen %2 Punkte dazu. Hat Korvex %3 Punkte, bringt jeder weitere Fünferpasch %4 mehr, in welches Feld er auch eingetragen wird.</translation>
    </message>
    <message>
        <source>Forced rolls</source>
        <translation>Erzwungene Würfe</translation>
    </message>
    <message>
        <source>While Roll has the focus, a digit 1 to 6 makes the next roll show that face on all five dice, and s makes it the straight 1 2 3 4 5. From then on no game of this run of the program enters the high-score table, and the board says so.</source>
        <translation>Hat Würfeln den Fokus, lässt eine Ziffer 1 bis 6 den nächsten Wurf diese Augenzahl auf allen fünf Würfeln zeigen, und s macht ihn zur Straße 1 2 3 4 5. Danach kommt kein Spiel dieses Programmlaufs mehr in die Bestenliste, und das Brett sagt es.</translation>
    </message>
    <message>
        <source>The coach</source>
        <translation>Der Trainer</translation>
    </message>
    <message>
        <source>Hint (Ctrl+H) switches the coach on and off. It shows the move with the best expected final total, marks the dice worth keeping and tells you what your last choice gave up. It only advises, and it never keeps you out of the high-score table.</source>
        <translation>Tipp (Strg+H) schaltet den Trainer ein und aus. Er zeigt den Zug mit der besten erwarteten Endsumme, markiert die Würfel, die sich zu halten lohnen, und sagt, was Ihre letzte Wahl gekostet hat. Er rät nur und hält Sie nie aus der Bestenliste.</translation>
    </message>
    <message>
        <source>Statistics and Review</source>
        <translation>Statistik und Analyse</translation>
    </message>
    <message>
        <source>Statistics (Ctrl+T) sums up every game you have finished. When a game ends, Review (Ctrl+R) replays it through the coach, decision by decision; the Games tab of the Statistics window reviews any earlier game.</source>
        <translation>Statistik (Strg+T) fasst jedes beendete Spiel zusammen. Ist ein Spiel vorbei, spielt Analyse (Strg+R) es mit dem Trainer Entscheidung für Entscheidung nach; im Reiter Spiele der Statistik lässt sich jedes frühere Spiel analysieren.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Tab moves through the board. The arrow keys move along the dice, to Roll and Save, and up, down and across the card; Home and End go to its first and last open box. Space or Enter presses. Ctrl+N starts a new game, Ctrl+Q closes the board, Escape closes this window.</source>
        <translation>Tab geht durch das Brett. Die Pfeiltasten gehen die Würfel entlang, zu Würfeln und Eintragen und in der Tabelle auf, ab und hinüber; Pos1 und Ende gehen zu ihrem ersten und letzten freien Feld. Leertaste oder Eingabe drückt. Strg+N beginnt ein neues Spiel, Strg+Q schließt das Brett, Esc schließt dieses Fenster.</translation>
    </message>
    <message>
        <source>The categories</source>
        <translation>Die Kategorien</translation>
    </message>
    <message>
        <source>Ones to Sixes</source>
        <translation>Einser bis Sechser</translation>
    </message>
    <message>
        <source>the dice showing that face, added up: %1 scores %2 in %3</source>
        <extracomment>%1 is a roll, %2 what it scores in the category %3.</extracomment>
        <translation>die Würfel mit dieser Augenzahl, zusammengezählt: %1 zählt %2 bei %3</translation>
    </message>
    <message>
        <source>all five dice added up when three show one face: %1 scores %2</source>
        <translation>alle fünf Würfel zusammengezählt, wenn drei gleich sind: %1 zählt %2</translation>
    </message>
    <message>
        <source>all five dice added up when four show one face: %1 scores %2</source>
        <translation>alle fünf Würfel zusammengezählt, wenn vier gleich sind: %1 zählt %2</translation>
    </message>
    <message>
        <source>%1 points for three of one face and two of another: %2</source>
        <translation>%1 Punkte für drei gleiche und zwei andere gleiche: %2</translation>
    </message>
    <message>
        <source>%1 points for four faces in a row: %2</source>
        <translation>%1 Punkte für vier Augenzahlen in Folge: %2</translation>
    </message>
    <message>
        <source>%1 points for five faces in a row: %2</source>
        <translation>%1 Punkte für fünf Augenzahlen in Folge: %2</translation>
    </message>
    <message>
        <source>%1 points for five of a kind: %2</source>
        <translation>%1 Punkte für fünf gleiche: %2</translation>
    </message>
    <message>
        <source>all five dice added up, whatever they show: %1 scores %2</source>
        <translation>alle fünf Würfel zusammengezählt, was sie auch zeigen: %1 zählt %2</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>modHiScores</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The high score stored under key %1 could not be read; it is shown as ??? with a score of 0.</source>
        <translation>Der unter Schlüssel %1 gespeicherte Eintrag der Bestenliste konnte nicht gelesen werden; er wird als ??? mit 0 Punkten gezeigt.</translation>
    </message>
    <message>
        <source>The high score stored under keys %1 could not be read; they are shown as ??? with a score of 0.</source>
        <translation>Die unter den Schlüsseln %1 gespeicherten Einträge der Bestenliste konnten nicht gelesen werden; sie werden als ??? mit 0 Punkten gezeigt.</translation>
    </message>
    <message>
        <source>The new high score is kept while Korvex runs; it is saved again when High Scores is opened or the game is closed.</source>
        <translation>Der neue Eintrag bleibt erhalten, solange Korvex läuft; er wird erneut gespeichert, wenn die Bestenliste geöffnet oder das Spiel beendet wird.</translation>
    </message>
    <message>
        <source>The high-score file %1 is damaged; only part of it could be read.</source>
        <translation>Die Datei der Bestenliste %1 ist beschädigt; nur ein Teil davon konnte gelesen werden.</translation>
    </message>
    <message>
        <source>A copy of the damaged high-score file could not be kept as %1, so the file was left as it is.</source>
        <translation>Eine Kopie der beschädigten Datei der Bestenliste konnte nicht als %1 angelegt werden; die Datei bleibt daher unverändert.</translation>
    </message>
    <message>
        <source>The high-score file %1 is larger than 1 MiB, so it is damaged: it cannot be a high-score table. %2</source>
        <translation>Die Datei der Bestenliste %1 ist größer als 1 MiB und damit beschädigt: So groß kann keine Bestenliste sein. %2</translation>
    </message>
    <message>
        <source>Korvex could not work on its high scores in the temporary folder %1: %2.</source>
        <translation>Korvex konnte im temporären Ordner %1 nicht mit seiner Bestenliste arbeiten: %2.</translation>
    </message>
    <message>
        <source>its new text could not be composed there</source>
        <translation>ihr neuer Inhalt ließ sich dort nicht zusammenstellen</translation>
    </message>
    <message>
        <source>It was not read.</source>
        <translation>Sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>It was left as it is.</source>
        <translation>Sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>etwas anderes als eine Datei</translation>
    </message>
    <message>
        <source>The high-score file %1 is not a regular file: it is %2. Korvex neither reads nor replaces it; the high scores are kept in memory only.</source>
        <translation>Die Datei der Bestenliste %1 ist keine gewöhnliche Datei, sondern %2. Korvex liest und ersetzt sie nicht; die Bestenliste wird nur im Speicher gehalten.</translation>
    </message>
    <message>
        <source>a link to something that does not exist</source>
        <translation>ein Verweis auf etwas, das nicht existiert</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (Prozess %1)</translation>
    </message>
    <message>
        <source> (process %1 on %2)</source>
        <translation> (Prozess %1 auf %2)</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked: its lock file %2 could not be opened: %3.</source>
        <translation>Die Datei der Bestenliste %1 konnte nicht gesperrt werden: Ihre Sperrdatei %2 ließ sich nicht öffnen: %3.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked: its lock file %2 could not be locked: %3.</source>
        <translation>Die Datei der Bestenliste %1 konnte nicht gesperrt werden: Ihre Sperrdatei %2 ließ sich nicht sperren: %3.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be written: %2.</source>
        <translation>Die Datei der Bestenliste %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>permission was refused</source>
        <translation>der Zugriff wurde verweigert</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>a part of its path is a file, not a folder</source>
        <translation>ein Teil des Pfads ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>es ist ein Ordner, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file would be larger than the system allows</source>
        <translation>die Datei wäre größer, als das System erlaubt</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>its path has too many links</source>
        <translation>der Pfad enthält zu viele Verweise</translation>
    </message>
    <message>
        <source>the disk reported an input or output error</source>
        <translation>der Datenträger meldete einen Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be read: %2.</source>
        <translation>Die Datei der Bestenliste %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The folder %1 for the high-score file could not be created: %2.</source>
        <translation>Der Ordner %1 für die Datei der Bestenliste konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The high-score file %1 is locked by another running copy of Korvex%2, which is saving its high scores.</source>
        <translation>Die Datei der Bestenliste %1 ist von einem anderen laufenden Korvex%2 gesperrt, das gerade seine Bestenliste speichert.</translation>
    </message>
    <message>
        <source>Korvex is closing, so the new high score could not be kept: it is lost.</source>
        <translation>Korvex wird beendet, daher konnte der neue Eintrag nicht behalten werden: Er ist verloren.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked: its lock file %2 is not a regular file: it is %3.</source>
        <translation>Die Datei der Bestenliste %1 konnte nicht gesperrt werden: Ihre Sperrdatei %2 ist keine gewöhnliche Datei, sondern %3.</translation>
    </message>
    <message>
        <source>The high-score file %1 would grow larger than 1 MiB, which Korvex does not read, so it was left as it is.</source>
        <translation>Die Datei der Bestenliste %1 würde größer als 1 MiB, was Korvex nicht liest, daher blieb sie unverändert.</translation>
    </message>
</context>
</TS>
