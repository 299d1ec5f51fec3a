<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Die: %1, held</source>
        <translation>Dado: %1, retenido</translation>
    </message>
    <message>
        <source>Die: %1</source>
        <translation>Dado: %1</translation>
    </message>
    <message>
        <source>Die %1: %2, held</source>
        <translation>Dado %1: %2, retenido</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
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
        <translation>Tirada %1</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <translation>Icono de %1</translation>
    </message>
</context>
<context>
    <name>Categories</name>
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
        <extracomment>%1 is the faces to hold, e.g. &quot;4 4 4&quot;.</extracomment>
        <translation>Guardar %1 y tirar</translation>
    </message>
    <message>
        <source>Score %1 for %2</source>
        <extracomment>%1 is a category of the card, %2 the points it gives now.</extracomment>
        <translation>Anotar %2 en %1</translation>
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
        <source>Ones:</source>
        <translation>Unos:</translation>
    </message>
    <message>
        <source>Twos:</source>
        <translation>Doses:</translation>
    </message>
    <message>
        <source>Threes:</source>
        <translation>Treses:</translation>
    </message>
    <message>
        <source>Fours:</source>
        <translation>Cuatros:</translation>
    </message>
    <message>
        <source>Fives:</source>
        <translation>Cincos:</translation>
    </message>
    <message>
        <source>Sixes:</source>
        <translation>Seises:</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Trío:</translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation>Cuatro iguales:</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full:</translation>
    </message>
    <message>
        <source>Small Straight:</source>
        <translation>Escalera corta:</translation>
    </message>
    <message>
        <source>Large Straight:</source>
        <translation>Escalera larga:</translation>
    </message>
    <message>
        <source>Korvex:</source>
        <extracomment>Five of a kind. Korvex is the game&apos;s own name: the same in every language.</extracomment>
        <translation>Korvex:</translation>
    </message>
    <message>
        <source>Chance:</source>
        <translation>Suerte:</translation>
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
        <extracomment>Under a die that the coach would keep for the next roll.</extracomment>
        <translation>guardar</translation>
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
        <source>Ones</source>
        <translation>Unos</translation>
    </message>
    <message>
        <source>Adds all dice showing one pip</source>
        <translation>Suma todos los unos</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Adds all dice showing two pips</source>
        <translation>Suma todos los doses</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Adds all dice showing three pips</source>
        <translation>Suma todos los treses</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Adds all dice showing four pips</source>
        <translation>Suma todos los cuatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Adds all dice showing five pips</source>
        <translation>Suma todos los cincos</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seises</translation>
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
        <source>35 pts. are automatically added when the left column totals 63+</source>
        <translation>Se suman 35 pts. si la columna izquierda llega a 63+</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Adds all dice if three are the same</source>
        <translation>Suma todo si hay tres iguales</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Cuatro iguales</translation>
    </message>
    <message>
        <source>Adds all dice if four are the same</source>
        <translation>Suma todo si hay cuatro iguales</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>25 pts.</source>
        <translation>25 pts.</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Escalera corta</translation>
    </message>
    <message>
        <source>30 pts.</source>
        <translation>30 pts.</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Escalera larga</translation>
    </message>
    <message>
        <source>40 pts.</source>
        <translation>40 pts.</translation>
    </message>
    <message>
        <source>50 pts. (100 pts. for each additional)</source>
        <translation>50 pts. (100 pts. por cada uno más)</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Suerte</translation>
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
        <source>The high-score file %1 could not be written. Check that its folder exists and may be written.</source>
        <translation>No se pudo escribir el archivo de récords %1. Comprueba que su carpeta existe y admite escritura.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be read. Check that it is a file that may be read.</source>
        <translation>No se pudo leer el archivo de récords %1. Comprueba que es un archivo legible.</translation>
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
        <source>The folder %1 for the high-score file could not be created.</source>
        <translation>No se pudo crear la carpeta %1 para el archivo de récords.</translation>
    </message>
    <message>
        <source>Another copy of Korvex is saving its high scores.</source>
        <translation>Otra copia de Korvex está guardando sus récords.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked for writing. Check that its folder may be written.</source>
        <translation>No se pudo bloquear el archivo de récords %1 para escribir. Comprueba que su carpeta admite escritura.</translation>
    </message>
</context>
</TS>
