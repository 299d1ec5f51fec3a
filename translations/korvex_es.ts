<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Die: %1</source>
        <translation>Dado: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score box read aloud: its row&apos;s caption and its score, &quot;Fours: 12&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>open</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Roll %1</source>
        <extracomment>The roll indicator: which roll of the turn this is.</extracomment>
        <translation>Tirada %1</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <extracomment>The game&apos;s icon in the About window; %1 is the game&apos;s name.</extracomment>
        <translation>Icono de %1</translation>
    </message>
    <message>
        <source>%1: %2 if scored now</source>
        <extracomment>A score box showing what the dice would score there: &quot;Ones: 2 if scored now&quot;.</extracomment>
        <translation>%1: %2 si se anota ahora</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>Ones</source>
        <translation>Unos</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seises</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Cuatro iguales</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Escalera corta</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Escalera larga</translation>
    </message>
    <message>
        <source>Korvex</source>
        <translation>Korvex</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Suerte</translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>Advice begins with the first roll.</source>
        <translation>Los consejos empiezan con la primera tirada.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>La partida ha terminado.</translation>
    </message>
    <message>
        <source>No advice on a forced roll.</source>
        <translation>No hay consejo en una tirada forzada.</translation>
    </message>
    <message>
        <source>Working out the best play…</source>
        <translation>Calculando la mejor jugada…</translation>
    </message>
    <message>
        <source>Expected final total with best play: %1</source>
        <translation>Total final esperado con la mejor jugada: %1</translation>
    </message>
    <message>
        <source>Your last choice gave up %1 points.</source>
        <translation>Tu última elección te costó %1 puntos.</translation>
    </message>
    <message>
        <source>Given up this game: %1 points.</source>
        <translation>Perdido en esta partida: %1 puntos.</translation>
    </message>
    <message>
        <source>Roll all five again</source>
        <translation>Tirar los cinco de nuevo</translation>
    </message>
    <message>
        <source>Hold %1 and roll</source>
        <extracomment>%1 is the dice to hold, e.g. &quot;4 4 4&quot;.</extracomment>
        <translation>Guardar %1 y tirar</translation>
    </message>
    <message>
        <source>Score %1 for %2</source>
        <extracomment>%1 is a category of the card, %2 the points it gives now.</extracomment>
        <translation>Anotar %2 en %1</translation>
    </message>
    <message>
        <source>Roll all five again (release the %1)</source>
        <extracomment>%1 is the one die to let go of, &quot;3&quot;.</extracomment>
        <translation>Tirar los cinco de nuevo (soltar el %1)</translation>
    </message>
    <message>
        <source>Roll all five again (release the %1 and %2)</source>
        <extracomment>%1 is the dice to let go of but the last, &quot;1, 2&quot;; %2 the last of them, &quot;3&quot;.</extracomment>
        <translation>Tirar los cinco de nuevo (soltar los %1 y %2)</translation>
    </message>
    <message>
        <source>Hold %1 and roll (release the %2)</source>
        <extracomment>%1 is the dice to hold, &quot;4 4 4&quot;; %2 the one die to let go of, &quot;1&quot;.</extracomment>
        <translation>Guardar %1 y tirar (soltar el %2)</translation>
    </message>
    <message>
        <source>Hold %1 and roll (release the %2 and %3)</source>
        <extracomment>%1 is the dice to hold, &quot;4 4&quot;; %2 the dice to let go of but the last, &quot;1, 2&quot;; %3 the last of them, &quot;3&quot;.</extracomment>
        <translation>Guardar %1 y tirar (soltar los %2 y %3)</translation>
    </message>
    <message>
        <source>Roll: you already hold %1</source>
        <extracomment>%1 is the dice the player holds, &quot;6 6&quot;.</extracomment>
        <translation>Tirar: ya guardas %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You must choose an item to score.</source>
        <translation>Debes elegir una casilla para anotar.</translation>
    </message>
    <message>
        <source>Scoring Error</source>
        <translation>Error al anotar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuevo juego</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>Shown in capitals, framed in red, until the first roll of a game.</extracomment>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Save Score &amp;&amp; Roll Again</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. Records the chosen category and rolls for the next turn.</extracomment>
        <translation>Anotar &amp;&amp; tirar de nuevo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Subtotal:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bono:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Select which dice you want to keep...</source>
        <translation>Elige los dados que quieres guardar...</translation>
    </message>
    <message>
        <source>Roll Number:</source>
        <translation>Tirada n.º:</translation>
    </message>
    <message>
        <source>Help/</source>
        <extracomment>Read together with the &quot;About&quot; link below it: &quot;Help/ About&quot;.</extracomment>
        <translation>Ayuda/</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entrenador</translation>
    </message>
    <message>
        <source>keep</source>
        <extracomment>Under a die: the coach&apos;s best move holds it for the next roll. One short word, as wide as the die.</extracomment>
        <translation>guardar</translation>
    </message>
    <message>
        <source>release</source>
        <extracomment>Under a die the player holds: the coach&apos;s best move lets it go. One short word, as wide as the die.</extracomment>
        <translation>soltar</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A row of the score card: the category&apos;s name, &quot;Fours:&quot;.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <extracomment>A die as a screen reader names it: its position and its face, &quot;Die 2: 5&quot;.</extracomment>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>Game over: %1 points.</source>
        <translation>Partida terminada: %1 puntos.</translation>
    </message>
    <message>
        <source>Your decisions gave up %1 points.</source>
        <translation>Tus decisiones costaron %1 puntos.</translation>
    </message>
    <message>
        <source>Costliest: turn %1, %2 (%3 points).</source>
        <extracomment>%1 is the turn, %2 the player&apos;s move there (&quot;Held 6 6 and rolled&quot;), %3 what it gave up.</extracomment>
        <translation>La más cara: turno %1, %2 (%3 puntos).</translation>
    </message>
    <message>
        <source>Every decision was the best.</source>
        <translation>Cada decisión fue la mejor.</translation>
    </message>
    <message>
        <source>This window cannot be opened: its module is missing or damaged (%1).</source>
        <translation>Esta ventana no se puede abrir: su módulo falta o está dañado (%1).</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Roll %1 of %2: %3.</source>
        <extracomment>After a roll: which roll of the turn it was, and the five dice in position order.</extracomment>
        <translation>Tirada %1 de %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2 points and %3 extra.</source>
        <translation>%1: %2 puntos y %3 extra.</translation>
    </message>
    <message>
        <source>%1: %2 points.</source>
        <extracomment>A recorded score: the category and its points.</extracomment>
        <translation>%1: %2 puntos.</translation>
    </message>
    <message>
        <source>Upper bonus: %1 points.</source>
        <translation>Bono superior: %1 puntos.</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Total: %1.</translation>
    </message>
    <message>
        <source>%1: %2 if scored now.</source>
        <extracomment>A category clicked but not recorded yet: what it would score.</extracomment>
        <translation>%1: %2 si se anota ahora.</translation>
    </message>
    <message>
        <source>It enters the high-score table at place %1.</source>
        <extracomment>%1 is the place in the table of the ten best, 1 for the best.</extracomment>
        <translation>Entra en los récords en el puesto %1.</translation>
    </message>
    <message>
        <source>It is not among the ten best.</source>
        <translation>No está entre las diez mejores.</translation>
    </message>
    <message>
        <source>After a forced roll no game of this run enters the table.</source>
        <translation>Tras una tirada forzada, ninguna partida de esta sesión entra en los récords.</translation>
    </message>
    <message>
        <source>The next roll is forced: all five dice show %1.</source>
        <translation>La próxima tirada es forzada: los cinco dados muestran %1.</translation>
    </message>
    <message>
        <source>The next roll is forced: the straight 1 2 3 4 5.</source>
        <extracomment>&quot;s&quot; typed on Roll: the next roll is the straight 1 to 5.</extracomment>
        <translation>La próxima tirada es forzada: la escalera 1 2 3 4 5.</translation>
    </message>
    <message>
        <source>From now on no game of this run enters the high-score table.</source>
        <translation>A partir de ahora, ninguna partida de esta sesión entra en los récords.</translation>
    </message>
    <message>
        <source>Press START for the first roll. F1 explains the game.</source>
        <translation>Pulse JUGAR para la primera tirada. F1 explica el juego.</translation>
    </message>
    <message>
        <source>Coach: %1</source>
        <extracomment>The coach&apos;s advice as the status line reads it: &quot;Coach: Hold 6 6 and roll&quot;.</extracomment>
        <translation>Entrenador: %1</translation>
    </message>
    <message>
        <source>Coach on.</source>
        <translation>Entrenador activado.</translation>
    </message>
    <message>
        <source>Coach off.</source>
        <translation>Entrenador desactivado.</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
</context>
<context>
    <name>GameDatabase</name>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>el controlador SQLite de Qt SQL no está instalado</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>it was written by a newer version of Korvex</source>
        <translation>lo escribió una versión más reciente de Korvex</translation>
    </message>
    <message>
        <source>it is damaged and cannot be renamed</source>
        <translation>está dañado y no se puede renombrar</translation>
    </message>
    <message>
        <source>the game&apos;s moves are not readable</source>
        <translation>las jugadas de la partida no se pueden leer</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>its log file %1 is read-only</source>
        <translation>su archivo de registro %1 es de solo lectura</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>another running copy of Korvex is writing to it</source>
        <translation>otra copia de Korvex en ejecución está escribiendo en él</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>SQLite refused it</source>
        <translation>SQLite lo rechazó</translation>
    </message>
    <message>
        <source>schema version %1 or later; this version knows %2</source>
        <translation>versión de esquema %1 o posterior; esta versión conoce la %2</translation>
    </message>
    <message>
        <source>the game is not in it</source>
        <translation>la partida no está en él</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>The record of your games, %1, was damaged. It has been kept as %2, and a new record has been started.</source>
        <translation>El registro de tus partidas, %1, estaba dañado. Se ha guardado como %2 y se ha empezado un registro nuevo.</translation>
    </message>
    <message>
        <source>Game Record</source>
        <translation>Registro de partidas</translation>
    </message>
    <message>
        <source>the module that keeps the record is missing or damaged: %1</source>
        <translation>falta el módulo que guarda el registro o está dañado: %1</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <extracomment>A line under a message about the record of games; %1 is what SQLite itself said.</extracomment>
        <translation>Detalles: %1</translation>
    </message>
    <message>
        <source>The record of your games, %1, was written by a newer version of Korvex, which this version cannot read. The file is left as it is.</source>
        <translation>El registro de tus partidas, %1, lo escribió una versión más reciente de Korvex, que esta versión no puede leer. El archivo se deja tal como está.</translation>
    </message>
    <message>
        <source>The record of your games, %1, cannot be read: %2.</source>
        <translation>El registro de tus partidas, %1, no se puede leer: %2.</translation>
    </message>
    <message>
        <source>The games you finish cannot be recorded in %1: it was written by a newer version of Korvex, and this version cannot add games to it. The file is left as it is.</source>
        <translation>Las partidas que terminas no se pueden registrar en %1: lo escribió una versión más reciente de Korvex, y esta versión no puede añadirle partidas. El archivo se deja tal como está.</translation>
    </message>
    <message>
        <source>Your game could not be written to %1: %2. It is kept and will be recorded at the next chance: when your next game ends, when Statistics opens, or when you close the board.</source>
        <translation>Tu partida no se pudo escribir en %1: %2. Se conserva y se registrará en la próxima ocasión: cuando termine tu próxima partida, cuando se abran las estadísticas o cuando cierres el tablero.</translation>
    </message>
    <message>
        <source>A game you finished could not be recorded in %1: %2. It is lost.</source>
        <translation>Una partida que terminaste no se pudo registrar en %1: %2. Se ha perdido.</translation>
    </message>
    <message>
        <source>%3 games you finished could not be recorded in %1: %2. They are lost.</source>
        <translation>%3 partidas que terminaste no se pudieron registrar en %1: %2. Se han perdido.</translation>
    </message>
    <message>
        <source>Your practice answers cannot be kept in %1: it was written by a newer version of Korvex, and this version cannot add to it. The file is left as it is.</source>
        <translation>Tus respuestas de práctica no se pueden guardar en %1: lo escribió una versión más reciente de Korvex y esta versión no puede añadir nada. El archivo se deja como está.</translation>
    </message>
    <message>
        <source>Your practice answer could not be written to %1: %2. It is not kept, and the position comes back as if it had not been answered.</source>
        <translation>Tu respuesta de práctica no se pudo escribir en %1: %2. No se guarda, y la posición volverá como si no se hubiera respondido.</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>Scored %1 for %2</source>
        <translation>Anotaste %2 en %1</translation>
    </message>
    <message>
        <source>Rolled all five again</source>
        <translation>Tiraste los cinco de nuevo</translation>
    </message>
    <message>
        <source>Held all five and rolled</source>
        <translation>Guardaste los cinco y tiraste</translation>
    </message>
    <message>
        <source>Held %1 and rolled</source>
        <translation>Guardaste %1 y tiraste</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>score %1 for %2</source>
        <translation>anotar %1 por %2</translation>
    </message>
    <message>
        <source>roll all five again</source>
        <translation>volver a tirar los cinco</translation>
    </message>
    <message>
        <source>hold %1 and roll</source>
        <translation>guardar %1 y tirar</translation>
    </message>
    <message>
        <source>%1: the best move, giving up nothing. The game expects a final total of %2.</source>
        <translation>%1: la mejor jugada, sin ceder nada. La partida espera un total final de %2.</translation>
    </message>
    <message>
        <source>%1: %2 points given up. The best move was to %3, expecting a final total of %4; your move expects %5.</source>
        <translation>%1: %2 puntos cedidos. La mejor jugada era %3, con un total final esperado de %4; tu jugada espera %5.</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonificación</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Korvex Practice</source>
        <translation>Práctica de Korvex</translation>
    </message>
    <message>
        <source>Hold the dice you would keep and press Roll, or pick the category you would score now. The coach then grades your move.</source>
        <translation>Guarda los dados que conservarías y pulsa Tirar, o elige la categoría que anotarías ahora. El entrenador califica después tu jugada.</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Siguiente posición</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>The card as it stood: an open box shows what these dice would score there</source>
        <translation>La hoja tal como estaba: una casilla libre muestra lo que estos dados anotarían allí</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Working out the best play…</source>
        <translation>Calculando la mejor jugada…</translation>
    </message>
    <message>
        <source>There is no position to practise yet.</source>
        <translation>Todavía no hay ninguna posición para practicar.</translation>
    </message>
    <message>
        <source>A position from one of your games</source>
        <translation>Una posición de una de tus partidas</translation>
    </message>
    <message>
        <source>A position from a game the coach played: your own games give positions once you have played some</source>
        <translation>Una posición de una partida del entrenador: tus propias partidas darán posiciones en cuanto hayas jugado algunas</translation>
    </message>
    <message>
        <source>Turn %1 of %2, roll %3 of %4</source>
        <translation>Turno %1 de %2, tirada %3 de %4</translation>
    </message>
    <message>
        <source>Your move?</source>
        <translation>¿Tu jugada?</translation>
    </message>
    <message>
        <source>That move is not open in this position.</source>
        <translation>Esa jugada no es posible en esta posición.</translation>
    </message>
    <message>
        <source>The record could not keep this answer, so it does not count.</source>
        <translation>El registro no pudo guardar esta respuesta, así que no cuenta.</translation>
    </message>
    <message>
        <source>Proficiency: answer a position to see how many points your decisions give up.</source>
        <translation>Nivel: responde a una posición para ver cuántos puntos ceden tus decisiones.</translation>
    </message>
    <message>
        <source>Proficiency: %1 points given up in your one answer so far.</source>
        <translation>Nivel: %1 puntos cedidos en tu única respuesta hasta ahora.</translation>
    </message>
    <message>
        <source>Proficiency: %1 points given up per decision over your last %2 answers.</source>
        <translation>Nivel: %1 puntos cedidos por decisión en tus últimas %2 respuestas.</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Score %1 for %2</source>
        <translation>Anotar %2 en %1</translation>
    </message>
    <message>
        <source>Roll all five again</source>
        <translation>Tirar los cinco de nuevo</translation>
    </message>
    <message>
        <source>Hold %1 and roll</source>
        <translation>Guardar %1 y tirar</translation>
    </message>
    <message>
        <source>Korvex Review</source>
        <translation>Análisis de Korvex</translation>
    </message>
    <message>
        <source>Working out the best play…</source>
        <translation>Calculando la mejor jugada…</translation>
    </message>
    <message>
        <source>Every decision of the game</source>
        <translation>Todas las decisiones de la partida</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Tu jugada</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Mejor jugada</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Expected total after</source>
        <translation>Total esperado después</translation>
    </message>
    <message>
        <source>Game finished %1, total %2</source>
        <translation>Partida terminada el %1, total %2</translation>
    </message>
    <message>
        <source>This record is not a whole game, so the coach cannot replay it.</source>
        <translation>Este registro no es una partida completa, así que el entrenador no puede repetirla.</translation>
    </message>
    <message>
        <source>The costliest: turn %1, roll %2, %3 (%4 points).</source>
        <translation>La más cara: turno %1, tirada %2, %3 (%4 puntos).</translation>
    </message>
    <message>
        <source>Moves on forced rolls are not judged.</source>
        <translation>Las jugadas en tiradas forzadas no se juzgan.</translation>
    </message>
    <message>
        <source>forced roll: not judged</source>
        <translation>tirada forzada: no se juzga</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Total final esperado tras cada decisión</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Decisión</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Total esperado</translation>
    </message>
    <message>
        <source>Line chart over %1 decisions: the expected final total starts at %2 and ends at the game&apos;s total, %3.</source>
        <translation>Gráfico de líneas de %1 decisiones: el total final esperado empieza en %2 y acaba en el total de la partida, %3.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1, holding %2</source>
        <translation>%1, guardando %2</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Expected %1 at the start · luck %2 · your decisions gave up %3 · total %4</source>
        <translation>Esperado %1 al inicio · suerte %2 · tus decisiones cedieron %3 · total %4</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>How often each total was scored</source>
        <translation>Cuántas veces salió cada total</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Aún no hay partidas.</translation>
    </message>
    <message>
        <source>Bar chart of the totals of %1 games in bands of %2 points; the most games, %3, scored from %4 to %5.</source>
        <translation>Gráfico de barras de los totales de %1 partidas en tramos de %2 puntos; la mayoría, %3 partidas, sumaron de %4 a %5.</translation>
    </message>
    <message>
        <source>Totals over time</source>
        <translation>Totales a lo largo del tiempo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Average of the last %1 games</source>
        <translation>Media de las últimas %1 partidas</translation>
    </message>
    <message>
        <source>Line chart of the totals of %1 games in the order they were played, with the average of the last %2; the latest average is %3.</source>
        <translation>Gráfico de líneas de los totales de %1 partidas en el orden en que se jugaron, con la media de las últimas %2; la media más reciente es %3.</translation>
    </message>
    <message>
        <source>Average points per category</source>
        <translation>Media de puntos por categoría</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>Tu media</translation>
    </message>
    <message>
        <source>Optimal play</source>
        <translation>Juego óptimo</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Bar chart of your average points in each of the thirteen categories beside what optimal play scores there; you trail it most in %1, %2 against %3.</source>
        <translation>Gráfico de barras de tu media de puntos en cada una de las trece categorías junto a lo que consigue el juego óptimo; donde más te quedas atrás es en %1, %2 frente a %3.</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Average total</source>
        <translation>Total medio</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Total mediano</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Mejor total</translation>
    </message>
    <message>
        <source>Upper bonus won</source>
        <translation>Bono superior conseguido</translation>
    </message>
    <message>
        <source>Five of a kind in Korvex</source>
        <translation>Cinco iguales en Korvex</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <source>Forced roll</source>
        <translation>Tirada forzada</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entrenador</translation>
    </message>
    <message>
        <source>Korvex Statistics</source>
        <translation>Estadísticas de Korvex</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Over time</source>
        <translation>En el tiempo</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Include games with forced rolls</source>
        <translation>Incluir partidas con tiradas forzadas</translation>
    </message>
    <message>
        <source>Recorded games, newest first</source>
        <translation>Partidas registradas, las más recientes primero</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Histogram of totals</source>
        <translation>Histograma de totales</translation>
    </message>
    <message>
        <source>Average points per category beside optimal play</source>
        <translation>Media de puntos por categoría junto al juego óptimo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>This game&apos;s moves cannot be read.</source>
        <translation>Las jugadas de esta partida no se pueden leer.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The games could not be written to %1 (%2).</source>
        <translation>No se pudieron escribir las partidas en %1 (%2).</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Mean total of each %1 games</source>
        <translation>Total medio de cada %1 partidas</translation>
    </message>
    <message>
        <source>Points given up per game</source>
        <translation>Puntos cedidos por partida</translation>
    </message>
    <message>
        <source>Points given up</source>
        <translation>Puntos cedidos</translation>
    </message>
    <message>
        <source>Mean of each %1 games</source>
        <translation>Media de cada %1 partidas</translation>
    </message>
    <message>
        <source>The coach has judged no game yet.</source>
        <translation>El entrenador aún no ha juzgado ninguna partida.</translation>
    </message>
    <message>
        <source>Line chart of the expected points your decisions gave up in each of %1 games judged by the coach, with the average of the last %2; the latest average is %3.</source>
        <translation>Gráfico de líneas de los puntos esperados que tus decisiones cedieron en cada una de las %1 partidas juzgadas por el entrenador, con la media de las últimas %2; la última media es %3.</translation>
    </message>
    <message>
        <source>No practice answers yet</source>
        <translation>Aún no hay respuestas de práctica</translation>
    </message>
    <message>
        <source>Practice: points given up per move</source>
        <translation>Práctica: puntos cedidos por jugada</translation>
    </message>
    <message>
        <source>Mean of the last 50 answers</source>
        <translation>Media de las últimas 50 respuestas</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Answer positions in Practice, and this chart shows how many points your moves give up on average, over your last 50 answers.</source>
        <translation>Responde posiciones en la práctica y este gráfico mostrará cuántos puntos ceden tus jugadas de media, en tus últimas 50 respuestas.</translation>
    </message>
    <message>
        <source>Line chart over %1 practice answers of the mean expected points a move gave up, over the last 50 answers at each; it stands at %2 now.</source>
        <translation>Gráfico de líneas sobre %1 respuestas de práctica de la media de puntos esperados que cedió una jugada, sobre las últimas 50 respuestas en cada una; ahora está en %2.</translation>
    </message>
    <message>
        <source>Median points given up</source>
        <translation>Mediana de puntos cedidos</translation>
    </message>
    <message>
        <source>Given up in the last 10 games</source>
        <translation>Cedidos en las últimas 10 partidas</translation>
    </message>
    <message>
        <source>Average luck per game</source>
        <translation>Suerte media por partida</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Cedidos</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Points given up per game over time</source>
        <translation>Puntos cedidos por partida a lo largo del tiempo</translation>
    </message>
    <message>
        <source>Practice: points given up per move over your answers</source>
        <translation>Práctica: puntos cedidos por jugada a lo largo de tus respuestas</translation>
    </message>
    <message>
        <source>The coach has not yet judged these games: points given up and luck show once it has.</source>
        <translation>El entrenador aún no ha juzgado estas partidas: los puntos cedidos y la suerte se muestran en cuanto lo haga.</translation>
    </message>
    <message>
        <source>Points given up and luck count only the games the coach has judged so far; still to be judged: %1.</source>
        <translation>Los puntos cedidos y la suerte solo cuentan las partidas que el entrenador ya ha juzgado; por juzgar: %1.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>June 17, 2005</source>
        <extracomment>The date of the release, written as dates are in your language.</extracomment>
        <translation>17 de junio de 2005</translation>
    </message>
    <message>
        <source>Adds all dice showing one pip</source>
        <translation>Suma todos los unos</translation>
    </message>
    <message>
        <source>Adds all dice showing two pips</source>
        <translation>Suma todos los doses</translation>
    </message>
    <message>
        <source>Adds all dice showing three pips</source>
        <translation>Suma todos los treses</translation>
    </message>
    <message>
        <source>Adds all dice showing four pips</source>
        <translation>Suma todos los cuatros</translation>
    </message>
    <message>
        <source>Adds all dice showing five pips</source>
        <translation>Suma todos los cincos</translation>
    </message>
    <message>
        <source>Adds all dice showing six pips</source>
        <translation>Suma todos los seises</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bono</translation>
    </message>
    <message>
        <source>Adds all dice if three are the same</source>
        <translation>Suma todo si hay tres iguales</translation>
    </message>
    <message>
        <source>Adds all dice if four are the same</source>
        <translation>Suma todo si hay cuatro iguales</translation>
    </message>
    <message>
        <source>Adds all dice (no restrictions)</source>
        <translation>Suma todo (sin condición)</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>%1 pts.</source>
        <translation>%1 pts.</translation>
    </message>
    <message>
        <source>%1 pts. are automatically added when the left column totals %2+</source>
        <extracomment>%1 is the bonus, 35; %2 the total it needs, 63.</extracomment>
        <translation>Se suman %1 pts. si la columna izquierda llega a %2+</translation>
    </message>
    <message>
        <source>%1 (%2 for each additional)</source>
        <extracomment>%1 is the points of a five of a kind, &quot;50 pts.&quot;; %2 those of each later one.</extracomment>
        <translation>%1 (%2 por cada uno más)</translation>
    </message>
</context>
<context>
    <name>frmGetName</name>
    <message>
        <source>New High Score</source>
        <translation>Nuevo récord</translation>
    </message>
    <message>
        <source>Enter your initials:</source>
        <translation>Tus iniciales:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>frmHiScores</name>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Borrar récords</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all high scores from the list?</source>
        <translation>¿Seguro que quieres borrar todos los récords de la lista?</translation>
    </message>
    <message>
        <source>Confirm Deletions</source>
        <translation>Confirmar borrado</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>Rolling and holding</source>
        <translation>Tirar y guardar</translation>
    </message>
    <message>
        <source>Press START for the first roll of a game. Click the dice you want to keep, or move to them with the arrow keys and press Space: a held die is framed, and Roll rolls only the others. A turn has up to %1 rolls.</source>
        <translation>Pulse JUGAR para la primera tirada de una partida. Haga clic en los dados que quiera guardar, o llegue a ellos con las flechas y pulse Espacio: un dado guardado lleva un marco, y Tirar tira solo los demás. Un turno tiene hasta %1 tiradas.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Click a box on the score card to see what the dice would score there: the box shows it in grey italics until Save Score &amp; Roll Again records it, which also makes the first roll of the next turn. After the last roll of a turn something must be recorded, even a 0. Each box takes one score, so a game lasts %1 turns.</source>
        <translation>Haga clic en una casilla de la hoja para ver lo que los dados anotarían allí: la casilla lo muestra en gris y cursiva hasta que Anotar &amp; tirar de nuevo lo anota, lo que también hace la primera tirada del turno siguiente. Tras la última tirada de un turno hay que anotar algo, aunque sea un 0. Cada casilla recibe una puntuación, así que una partida dura %1 turnos.</translation>
    </message>
    <message>
        <source>Bonus and extra points</source>
        <translation>Bono y puntos extra</translation>
    </message>
    <message>
        <source>When Ones to Sixes add up to %1 or more (three of each face make exactly %1), %2 points are added. Once Korvex holds %3 points, every later five of a kind adds %4 more, whichever box it is scored in.</source>
        <extracomment>%1 is 63, %2 the bonus (35), %3 the points of a five of a kind (50), %4 those of each later one (100).</extracomment>
        <translation>Cuando Unos a Seises suman %1 o más (tres de cada cara dan justo %1), se añaden %2 puntos. Una vez que Korvex tiene %3 puntos, cada cinco iguales posterior suma %4 más, en la casilla que se anote.</translation>
    </message>
    <message>
        <source>Forced rolls</source>
        <translation>Tiradas forzadas</translation>
    </message>
    <message>
        <source>While Roll has the focus, a digit 1 to 6 makes the next roll show that face on all five dice, and s makes it the straight 1 2 3 4 5. From then on no game of this run of the program enters the high-score table, and the board says so.</source>
        <translation>Con el foco en Tirar, una cifra del 1 al 6 hace que la próxima tirada muestre esa cara en los cinco dados, y s la convierte en la escalera 1 2 3 4 5. Desde entonces ninguna partida de esta sesión del programa entra en los récords, y el tablero lo dice.</translation>
    </message>
    <message>
        <source>The coach</source>
        <translation>El entrenador</translation>
    </message>
    <message>
        <source>Hint (Ctrl+H) switches the coach on and off. It shows the move with the best expected final total, marks the dice worth keeping and tells you what your last choice gave up. It only advises, and it never keeps you out of the high-score table.</source>
        <translation>Pista (Ctrl+H) activa y desactiva el entrenador. Muestra la jugada con el mejor total final esperado, marca los dados que vale la pena guardar y dice lo que le costó su última elección. Solo aconseja, y nunca le aparta de los récords.</translation>
    </message>
    <message>
        <source>Statistics and Review</source>
        <translation>Estadísticas y análisis</translation>
    </message>
    <message>
        <source>Statistics (Ctrl+T) sums up every game you have finished. When a game ends, Review (Ctrl+R) replays it through the coach, decision by decision; the Games tab of the Statistics window reviews any earlier game.</source>
        <translation>Estadísticas (Ctrl+T) resume cada partida terminada. Al acabar una partida, Análisis (Ctrl+R) la repasa con el entrenador, decisión a decisión; la pestaña Partidas de las estadísticas analiza cualquier partida anterior.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Tab moves through the board. The arrow keys move along the dice, to Roll and Save, and up, down and across the card; Home and End go to its first and last open box. Space or Enter presses. Ctrl+N starts a new game, Ctrl+Q closes the board, Escape closes this window.</source>
        <translation>Tab recorre el tablero. Las flechas recorren los dados, llevan a Tirar y Anotar, y suben, bajan y cruzan la hoja; Inicio y Fin van a su primera y última casilla libre. Espacio o Intro pulsa. Ctrl+N empieza una partida, Ctrl+Q cierra el tablero, Esc cierra esta ventana.</translation>
    </message>
    <message>
        <source>The categories</source>
        <translation>Las categorías</translation>
    </message>
    <message>
        <source>Ones to Sixes</source>
        <translation>Unos a Seises</translation>
    </message>
    <message>
        <source>the dice showing that face, added up: %1 scores %2 in %3</source>
        <extracomment>%1 is a roll, %2 what it scores in the category %3.</extracomment>
        <translation>los dados de esa cara, sumados: %1 anota %2 en %3</translation>
    </message>
    <message>
        <source>all five dice added up when three show one face: %1 scores %2</source>
        <translation>los cinco dados sumados si tres son iguales: %1 anota %2</translation>
    </message>
    <message>
        <source>all five dice added up when four show one face: %1 scores %2</source>
        <translation>los cinco dados sumados si cuatro son iguales: %1 anota %2</translation>
    </message>
    <message>
        <source>%1 points for three of one face and two of another: %2</source>
        <translation>%1 puntos por tres de una cara y dos de otra: %2</translation>
    </message>
    <message>
        <source>%1 points for four faces in a row: %2</source>
        <translation>%1 puntos por cuatro caras seguidas: %2</translation>
    </message>
    <message>
        <source>%1 points for five faces in a row: %2</source>
        <translation>%1 puntos por cinco caras seguidas: %2</translation>
    </message>
    <message>
        <source>%1 points for five of a kind: %2</source>
        <translation>%1 puntos por cinco iguales: %2</translation>
    </message>
    <message>
        <source>all five dice added up, whatever they show: %1 scores %2</source>
        <translation>los cinco dados sumados, muestren lo que muestren: %1 anota %2</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>modHiScores</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The high score stored under key %1 could not be read; it is shown as ??? with a score of 0.</source>
        <translation>No se pudo leer el récord guardado con la clave %1; se muestra como ??? con 0 puntos.</translation>
    </message>
    <message>
        <source>The high score stored under keys %1 could not be read; they are shown as ??? with a score of 0.</source>
        <translation>No se pudieron leer los récords guardados con las claves %1; se muestran como ??? con 0 puntos.</translation>
    </message>
    <message>
        <source>The new high score is kept while Korvex runs; it is saved again when High Scores is opened or the game is closed.</source>
        <translation>El nuevo récord se conserva mientras Korvex siga abierto; se guardará de nuevo al abrir los récords o al cerrar el juego.</translation>
    </message>
    <message>
        <source>The high-score file %1 is damaged; only part of it could be read.</source>
        <translation>El archivo de récords %1 está dañado; solo se pudo leer una parte.</translation>
    </message>
    <message>
        <source>A copy of the damaged high-score file could not be kept as %1, so the file was left as it is.</source>
        <translation>No se pudo guardar una copia del archivo de récords dañado como %1, así que el archivo se dejó como estaba.</translation>
    </message>
    <message>
        <source>The high-score file %1 is larger than 1 MiB, so it is damaged: it cannot be a high-score table. %2</source>
        <translation>El archivo de récords %1 ocupa más de 1 MiB, así que está dañado: no puede ser una tabla de récords. %2</translation>
    </message>
    <message>
        <source>Korvex could not work on its high scores in the temporary folder %1: %2.</source>
        <translation>Korvex no pudo trabajar con sus récords en la carpeta temporal %1: %2.</translation>
    </message>
    <message>
        <source>its new text could not be composed there</source>
        <translation>no se pudo componer allí su nuevo contenido</translation>
    </message>
    <message>
        <source>It was not read.</source>
        <translation>No se leyó.</translation>
    </message>
    <message>
        <source>It was left as it is.</source>
        <translation>Se dejó como estaba.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>algo distinto de un archivo</translation>
    </message>
    <message>
        <source>The high-score file %1 is not a regular file: it is %2. Korvex neither reads nor replaces it; the high scores are kept in memory only.</source>
        <translation>El archivo de récords %1 no es un archivo normal: es %2. Korvex no lo lee ni lo reemplaza; los récords solo se guardan en memoria.</translation>
    </message>
    <message>
        <source>a link to something that does not exist</source>
        <translation>un enlace a algo que no existe</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (proceso %1)</translation>
    </message>
    <message>
        <source> (process %1 on %2)</source>
        <translation> (proceso %1 en %2)</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked: its lock file %2 could not be opened: %3.</source>
        <translation>No se pudo bloquear el archivo de récords %1: no se pudo abrir su archivo de bloqueo %2: %3.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked: its lock file %2 could not be locked: %3.</source>
        <translation>No se pudo bloquear el archivo de récords %1: no se pudo bloquear su archivo de bloqueo %2: %3.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be written: %2.</source>
        <translation>No se pudo escribir el archivo de récords %1: %2.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>permission was refused</source>
        <translation>se denegó el permiso</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>a part of its path is a file, not a folder</source>
        <translation>una parte de la ruta es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>es una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <source>the file would be larger than the system allows</source>
        <translation>el archivo superaría el tamaño que permite el sistema</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>its path has too many links</source>
        <translation>la ruta tiene demasiados enlaces</translation>
    </message>
    <message>
        <source>the disk reported an input or output error</source>
        <translation>el disco informó de un error de entrada/salida</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be read: %2.</source>
        <translation>No se pudo leer el archivo de récords %1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 for the high-score file could not be created: %2.</source>
        <translation>No se pudo crear la carpeta %1 del archivo de récords: %2.</translation>
    </message>
    <message>
        <source>The high-score file %1 is locked by another running copy of Korvex%2, which is saving its high scores.</source>
        <translation>El archivo de récords %1 está bloqueado por otra copia de Korvex%2 en ejecución, que está guardando sus récords.</translation>
    </message>
    <message>
        <source>Korvex is closing, so the new high score could not be kept: it is lost.</source>
        <translation>Korvex se está cerrando, así que el nuevo récord no se pudo conservar: se ha perdido.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked: its lock file %2 is not a regular file: it is %3.</source>
        <translation>El archivo de récords %1 no se pudo bloquear: su archivo de bloqueo %2 no es un archivo normal: es %3.</translation>
    </message>
    <message>
        <source>The high-score file %1 would grow larger than 1 MiB, which Korvex does not read, so it was left as it is.</source>
        <translation>El archivo de récords %1 superaría 1 MiB, tamaño que Korvex no lee, así que se dejó tal como estaba.</translation>
    </message>
</context>
</TS>
