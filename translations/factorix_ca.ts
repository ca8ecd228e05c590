<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Pruebe «%1 --help» para más información.
</source>
        <translation>%1: %2
Proveu «%1 --help» per a més informació.
</translation>
    </message>
    <message>
        <source>%1 %2
Copyright (C) 2026 Equipo de Factorix.
Licencia GPLv3+: GNU GPL versión 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Esto es software libre: puede modificarlo y redistribuirlo.
No hay NINGUNA GARANTÍA, en la medida que lo permita la ley.
</source>
        <translation>%1 %2
Copyright (C) 2026 Equipo de Factorix.
Llicència GPLv3+: GNU GPL versió 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Això és programari lliure: podeu modificar-lo i redistribuir-lo.
No hi ha CAP GARANTIA, en la mesura que ho permeti la llei.
</translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Mostra aquesta ajuda.</translation>
    </message>
    <message>
        <source>Muestra la versión y la licencia.</source>
        <translation>Mostra la versió i la llicència.</translation>
    </message>
    <message>
        <source>Escribe las líneas en la codificación de la casilla de fórmula (2xe2 por 2x²).</source>
        <translation>Escriu les línies en la codificació de la casella de fórmula (2xe2 per 2x²).</translation>
    </message>
    <message>
        <source>Muestra los textos en IDIOMA: es (español), ca (català), gl (galego), eu (euskara) o en (English). Por omisión, el idioma del sistema, y el español si no es ninguno de ellos.</source>
        <translation>Mostra els textos en IDIOMA: es (español), ca (català), gl (galego), eu (euskara) o en (English). Per defecte, l&apos;idioma del sistema, i l&apos;espanyol si no és cap d&apos;aquests.</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>TEXTO</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>%1: --%2 dibuja y solo la ejecuta el programa de la ventana.
</source>
        <translation>%1: --%2 dibuixa i només l&apos;executa el programa de la finestra.
</translation>
    </message>
    <message>
        <source>%1: no se pudo escribir la salida.
</source>
        <translation>%1: no s&apos;ha pogut escriure la sortida.
</translation>
    </message>
    <message>
        <source>idioma desconocido: «%1»; elija uno de estos: %2.</source>
        <translation>idioma desconegut: «%1»; trieu-ne un d&apos;aquests: %2.</translation>
    </message>
    <message>
        <source>argumento inesperado: «%1».</source>
        <translation>argument inesperat: «%1».</translation>
    </message>
    <message>
        <source>indique una sola orden y un solo TEXTO.</source>
        <translation>indiqueu una sola ordre i un sol TEXT.</translation>
    </message>
    <message>
        <source>falta la orden, por ejemplo --calcular TEXTO.</source>
        <translation>falta l&apos;ordre, per exemple --calcular TEXT.</translation>
    </message>
    <message>
        <source>Busca las raíces enteras del polinomio TEXTO como el botón «Calcular» y escribe una línea por raíz: el factor y el cociente. Con «-» lee un polinomio por línea de la entrada estándar.</source>
        <translation>Cerca les arrels enteres del polinomi TEXT com el botó «Calcula» i escriu una línia per arrel: el factor i el quocient. Amb «-» llegeix un polinomi per línia de l&apos;entrada estàndard.</translation>
    </message>
    <message>
        <source>Escribe en una línea la factorización completa de TEXTO sobre los enteros: el contenido, los factores de las raíces enteras y los demás factores irreducibles, con sus exponentes.</source>
        <translation>Escriu en una línia la factorització completa de TEXT sobre els enters: el contingut, els factors de les arrels enteres i els altres factors irreductibles, amb els seus exponents.</translation>
    </message>
    <message>
        <source>Escribe, como tablas de texto, los pasos de la regla de Ruffini desde la primera raíz de TEXTO, cada uno con su cociente y su resto, y después la factorización completa.</source>
        <translation>Escriu, com a taules de text, els passos de la regla de Ruffini des de la primera arrel de TEXT, cadascun amb el seu quocient i el seu residu, i després la factorització completa.</translation>
    </message>
    <message>
        <source>Descompone un polinomio en x con coeficientes enteros por sus raíces enteras.
Sin opciones abre la ventana del programa.

TEXTO es el polinomio tal como lo guarda la casilla de fórmula (2xe3+0xe2+0x-16,
con «e» delante de cada cifra elevada) o tal como se ve (2x³+0x²+0x-16), o
escrito como se suele escribir: &quot;x^3 - 8&quot;, &quot;X**2-1&quot;, &quot;−16 + 2x³&quot;, &quot;x^2 - 1 = 0&quot;.

Estado de salida: 0 si solo se escribieron líneas, 1 si un cálculo terminó
con un mensaje de error, 2 si las opciones no son válidas.</source>
        <translation>Descompon un polinomi en x amb coeficients enters per les seves arrels enteres.
Sense opcions obre la finestra del programa.

TEXT és el polinomi tal com el desa la casella de fórmula (2xe3+0xe2+0x-16,
amb «e» davant de cada xifra elevada) o tal com es veu (2x³+0x²+0x-16), o
escrit com s&apos;escriu habitualment: &quot;x^3 - 8&quot;, &quot;X**2-1&quot;, &quot;−16 + 2x³&quot;, &quot;x^2 - 1 = 0&quot;.

Estat de sortida: 0 si només s&apos;han escrit línies, 1 si un càlcul ha acabat
amb un missatge d&apos;error, 2 si les opcions no són vàlides.</translation>
    </message>
    <message>
        <source>Dibuja la gráfica de P(x) sin pantalla: con --salida la escribe en un archivo .svg o .png de 800x600 (o de --tamano ANCHOxALTO); con --descripcion escribe en la salida la descripción que lee un lector de pantalla.</source>
        <translation>Dibuixa la gràfica de P(x) sense pantalla: amb --salida l&apos;escriu en un fitxer .svg o .png de 800x600 (o de --tamano AMPLADAxALÇADA); amb --descripcion escriu a la sortida la descripció que llegeix un lector de pantalla.</translation>
    </message>
    <message>
        <source>Escribe una hoja de N ejercicios (de 1 a 200) y después sus soluciones, cada una con su factorización y sus raíces. La misma --semilla da la misma hoja.</source>
        <translation>Escriu un full de N exercicis (d&apos;1 a 200) i després les seves solucions, cadascuna amb la seva factorització i les seves arrels. La mateixa --semilla dona el mateix full.</translation>
    </message>
    <message>
        <source>Abre la ventana «Hoja de ejercicios».</source>
        <translation>Obre la finestra «Full d&apos;exercicis».</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FITXER</translation>
    </message>
    <message>
        <source>ANCHOxALTO</source>
        <translation>AMPLADAxALÇADA</translation>
    </message>
    <message>
        <source>Con --grafica, el tamaño de la imagen en píxeles (800x600).</source>
        <translation>Amb --grafica, la mida de la imatge en píxels (800x600).</translation>
    </message>
    <message>
        <source>Con --grafica, escribe la descripción de la gráfica.</source>
        <translation>Amb --grafica, escriu la descripció de la gràfica.</translation>
    </message>
    <message>
        <source>Con --ejercicios, el grado de los polinomios, de 2 a 8 (3).</source>
        <translation>Amb --ejercicios, el grau dels polinomis, de 2 a 8 (3).</translation>
    </message>
    <message>
        <source>Con --ejercicios, entre qué enteros están las raíces (-6..6).</source>
        <translation>Amb --ejercicios, entre quins enters són les arrels (-6..6).</translation>
    </message>
    <message>
        <source>Con --ejercicios, algunas raíces son p/q, con q de 2 a 4.</source>
        <translation>Amb --ejercicios, algunes arrels són p/q, amb q de 2 a 4.</translation>
    </message>
    <message>
        <source>Con --ejercicios, un factor es de segundo grado sin raíces reales.</source>
        <translation>Amb --ejercicios, un factor és de segon grau sense arrels reals.</translation>
    </message>
    <message>
        <source>Con --ejercicios, la semilla de la hoja (un entero de 0 a 2^64-1).</source>
        <translation>Amb --ejercicios, la llavor del full (un enter de 0 a 2^64-1).</translation>
    </message>
    <message>
        <source>Con --ejercicios, cada solución con su resolución paso a paso.</source>
        <translation>Amb --ejercicios, cada solució amb la seva resolució pas a pas.</translation>
    </message>
    <message>
        <source>FORMATO</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>Con --pasos, escribe la solución como un objeto JSON en una línea por polinomio.</source>
        <translation>Amb --pasos, escriu la solució com un objecte JSON en una línia per polinomi.</translation>
    </message>
    <message>
        <source>--json solo acompaña a --pasos.</source>
        <translation>--json només acompanya --pasos.</translation>
    </message>
    <message>
        <source>El archivo que escriben --grafica, --ejercicios y --pasos.</source>
        <translation>El fitxer que escriuen --grafica, --ejercicios i --pasos.</translation>
    </message>
    <message>
        <source>Con --ejercicios o --pasos, texto, json, html, latex o pdf; si no se indica, el de la terminación de --salida, y si no hay archivo, texto.</source>
        <translation>Amb --ejercicios o --pasos, texto, json, html, latex o pdf; si no s&apos;indica, el de la terminació de --salida, i si no hi ha fitxer, texto.</translation>
    </message>
    <message>
        <source>Escribe la resolución paso a paso de TEXTO: el factor común, los candidatos probados con el teorema del resto, las tablas de Ruffini, la ecuación de segundo grado o bicuadrada que queda, las raíces con su multiplicidad y la factorización. Con --json, un objeto JSON por polinomio; con --formato o --salida, un documento (texto, JSON, HTML, LaTeX o PDF).</source>
        <translation>Escriu la resolució pas a pas de TEXT: el factor comú, els candidats provats amb el teorema del residu, les taules de Ruffini, l&apos;equació de segon grau o biquadrada que queda, les arrels amb la seva multiplicitat i la factorització. Amb --json, un objecte JSON per polinomi; amb --formato o --salida, un document (text, JSON, HTML, LaTeX o PDF).</translation>
    </message>
    <message>
        <source>--%1 se indica una sola vez.</source>
        <translation>--%1 s&apos;indica una sola vegada.</translation>
    </message>
</context>
<context>
    <name>ControlDesign</name>
    <message>
        <source>Polinomio</source>
        <translation>Polinomi</translation>
    </message>
    <message>
        <source>Descomposición(es)</source>
        <translation>Descomposicions</translation>
    </message>
    <message>
        <source>Créditos</source>
        <translation>Crèdits</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calcula</translation>
    </message>
    <message>
        <source>Desplazar resultados</source>
        <translation>Desplaça els resultats</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>DrawingOutput</name>
    <message>
        <source>--formato es texto, json, html, latex o pdf, no «%1».</source>
        <translation>--formato és texto, json, html, latex o pdf, no «%1».</translation>
    </message>
    <message>
        <source>no se sabe en qué formato escribir «%1»: indique --formato.</source>
        <translation>no se sap en quin format s&apos;ha d&apos;escriure «%1»: indiqueu --formato.</translation>
    </message>
    <message>
        <source>un PDF se escribe en un archivo: indique --salida ARCHIVO.pdf.</source>
        <translation>un PDF s&apos;escriu en un fitxer: indiqueu --salida FITXER.pdf.</translation>
    </message>
</context>
<context>
    <name>DrawingProgram</name>
    <message>
        <source>factorix: no se pudo iniciar %1: %2.</source>
        <translation>factorix: no s&apos;ha pogut iniciar %1: %2.</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <source>Error de cálculo.</source>
        <translation>Error de càlcul.</translation>
    </message>
    <message>
        <source>Se produjo un error. Revise el cálculo.</source>
        <translation>S&apos;ha produït un error. Reviseu el càlcul.</translation>
    </message>
</context>
<context>
    <name>ExerciseSheetDialog</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Full d&apos;exercicis</translation>
    </message>
    <message>
        <source>Con raíces fraccionarias (p/q, con q de 2 a 4)</source>
        <translation>Amb arrels fraccionàries (p/q, amb q de 2 a 4)</translation>
    </message>
    <message>
        <source>Con un factor de segundo grado sin raíces reales</source>
        <translation>Amb un factor de segon grau sense arrels reals</translation>
    </message>
    <message>
        <source>Soluciones con la resolución paso a paso</source>
        <translation>Solucions amb la resolució pas a pas</translation>
    </message>
    <message>
        <source>Otra semilla</source>
        <translation>Una altra llavor</translation>
    </message>
    <message>
        <source>y</source>
        <translation>i</translation>
    </message>
    <message>
        <source>&amp;Número de ejercicios:</source>
        <translation>&amp;Nombre d&apos;exercicis:</translation>
    </message>
    <message>
        <source>&amp;Grado:</source>
        <translation>&amp;Grau:</translation>
    </message>
    <message>
        <source>&amp;Raíces enteras entre:</source>
        <translation>&amp;Arrels enteres entre:</translation>
    </message>
    <message>
        <source>&amp;Semilla:</source>
        <translation>&amp;Llavor:</translation>
    </message>
    <message>
        <source>Vista previa</source>
        <translation>Previsualització</translation>
    </message>
    <message>
        <source>&amp;Guardar…</source>
        <translation>&amp;Desa…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimeix…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>La semilla debe ser un número entero de 0 a 18446744073709551615.</source>
        <translation>La llavor ha de ser un nombre enter de 0 a 18446744073709551615.</translation>
    </message>
    <message>
        <source>No se pudo guardar la hoja en «%1»: %2</source>
        <translation>No s&apos;ha pogut desar el full a «%1»: %2</translation>
    </message>
    <message>
        <source>Guardar la hoja de ejercicios</source>
        <translation>Desa el full d&apos;exercicis</translation>
    </message>
    <message>
        <source>hoja-de-ejercicios.pdf</source>
        <translation>full-d-exercicis.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;LaTeX (*.tex);;HTML (*.html);;Texto (*.txt);;JSON (*.json)</source>
        <translation>PDF (*.pdf);;LaTeX (*.tex);;HTML (*.html);;Text (*.txt);;JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>ExerciseSheetDocument</name>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Full d&apos;exercicis</translation>
    </message>
    <message>
        <source>Grado %1 · raíces entre %2 y %3</source>
        <translation>Grau %1 · arrels entre %2 i %3</translation>
    </message>
    <message>
        <source> · con raíces fraccionarias</source>
        <translation> · amb arrels fraccionàries</translation>
    </message>
    <message>
        <source> · con un factor de segundo grado sin raíces reales</source>
        <translation> · amb un factor de segon grau sense arrels reals</translation>
    </message>
    <message>
        <source> · semilla %1</source>
        <translation> · llavor %1</translation>
    </message>
    <message>
        <source>Factoriza y halla las raíces de cada polinomio.</source>
        <translation>Factoritza i troba les arrels de cada polinomi.</translation>
    </message>
    <message>
        <source>%1. P(x) = %2</source>
        <translation>%1. P(x) = %2</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Solucions</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Factorització: %1</translation>
    </message>
    <message>
        <source>Raíces: %1</source>
        <translation>Arrels: %1</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>Sitio web: %1</source>
        <translation>Lloc web: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Correu electrònic: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Escriba aquí un polinomio</source>
        <translation>Escriviu aquí un polinomi</translation>
    </message>
    <message>
        <source>Encabezado de los resultados</source>
        <translation>Capçalera dels resultats</translation>
    </message>
    <message>
        <source>Desplazamiento de los resultados</source>
        <translation>Desplaçament dels resultats</translation>
    </message>
    <message>
        <source>Desplazar a la izquierda</source>
        <translation>Desplaça a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Desplazar a la derecha</source>
        <translation>Desplaça a la dreta</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>¿Está seguro de querer salir?</source>
        <translation>Segur que voleu sortir?</translation>
    </message>
    <message>
        <source>No se pudo abrir el navegador.

La dirección %1 se ha copiado al portapapeles.</source>
        <translation>No s&apos;ha pogut obrir el navegador.

L&apos;adreça %1 s&apos;ha copiat al porta-retalls.</translation>
    </message>
</context>
<context>
    <name>Form1Design</name>
    <message>
        <source>EL POLINOMIO SE PUEDE DESCOMPONER EN:</source>
        <extracomment>The heading is a formula pad&apos;s text: capitals, spaces and punctuation only, since the pad reads &quot;e&quot;, &quot;r&quot;, &quot;s&quot; and &quot;;&quot; as its own marks.</extracomment>
        <translation>EL POLINOMI ES POT DESCOMPONDRE EN:</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Texto de ayuda</source>
        <translation>Text d&apos;ajuda</translation>
    </message>
</context>
<context>
    <name>Form2Design</name>
    <message>
        <source>Ayuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Para introducir un polinomio en la casilla de introducción, 
puede hacer lo siguiente:
· Para introducir números, use los números del teclado 
alfanumérico.
· Para introducir signos use, en éste caso, el &quot;+&quot; y &quot;-&quot; 
del teclado numérico.
· Para introducir la &quot;x&quot;, pulse la &quot;x&quot; en el teclado 
alfanumérico.
· Para introducir potencias, sostenga Shift (flecha 
mayúsculas) y sin soltar pulse el número deseado en el 
teclado alfanumérico.

Para calcular las descomposiciones posibles, haga click 
en &quot;Calcular&quot;. Según la pontencia de su computadora, 
tardará más o menos tiempo en realizar el cálculo. Una 
vez terminado le mostrará las posibles descomposiciones 
del polinomio.

IMPORTANTE: Debe introducir el polinomio en la casilla 
de cálculo ORDENADO decrecientemente. También es 
necesario, en caso de que falte un monomio dentro del 
polinomio deberá completarse con +0x^n.
Ej: 3x^3-6 deberá completarse por:
      3x^3+0x^2+0x-6</source>
        <extracomment>The usage text under the title, one line of the box per line.</extracomment>
        <translation>Per introduir un polinomi a la casella d&apos;introducció, 
podeu fer el següent:
· Per introduir nombres, feu servir els nombres del teclat 
alfanumèric.
· Per introduir signes, feu servir en aquest cas el &quot;+&quot; i el &quot;-&quot; 
del teclat numèric.
· Per introduir la &quot;x&quot;, premeu la &quot;x&quot; del teclat 
alfanumèric.
· Per introduir potències, manteniu premuda la tecla Maj 
(fletxa de majúscules) i, sense deixar-la anar, premeu el 
número desitjat al teclat alfanumèric.

Per calcular les descomposicions possibles, feu clic 
a &quot;Calcula&quot;. Segons la potència del vostre ordinador, 
trigarà més o menys temps a fer el càlcul. Un cop 
acabat, us mostrarà les descomposicions possibles 
del polinomi.

IMPORTANT: Heu d&apos;introduir el polinomi a la casella 
de càlcul ORDENAT de manera decreixent. També cal, 
si falta algun monomi dins del polinomi, 
completar-lo amb +0x^n.
Ex.: 3x^3-6 s&apos;ha de completar així:
      3x^3+0x^2+0x-6</translation>
    </message>
    <message>
        <source>Ayuda del programa de Factorix</source>
        <translation>Ajuda del programa Factorix</translation>
    </message>
</context>
<context>
    <name>FormulaPad</name>
    <message>
        <source>Modo de utilización</source>
        <translation>Mode d&apos;ús</translation>
    </message>
</context>
<context>
    <name>FormulaPadAccessible</name>
    <message>
        <source>Fórmula</source>
        <translation>Fórmula</translation>
    </message>
</context>
<context>
    <name>GraphChart</name>
    <message>
        <source>P(x)</source>
        <translation>P(x)</translation>
    </message>
    <message>
        <source>P(x) (×10%1)</source>
        <translation>P(x) (×10%1)</translation>
    </message>
    <message>
        <source>%1, recortada</source>
        <translation>%1, retallada</translation>
    </message>
</context>
<context>
    <name>GraphCommand</name>
    <message>
        <source>--%1 no es una opción de --grafica.</source>
        <translation>--%1 no és una opció de --grafica.</translation>
    </message>
    <message>
        <source>indique un solo TEXTO y una sola --salida.</source>
        <translation>indiqueu un sol TEXT i una sola --salida.</translation>
    </message>
    <message>
        <source>indique --salida ARCHIVO.svg o ARCHIVO.png, o --descripcion.</source>
        <translation>indiqueu --salida FITXER.svg o FITXER.png, o --descripcion.</translation>
    </message>
    <message>
        <source>la gráfica se escribe en un archivo .svg o .png, no en «%1».</source>
        <translation>la gràfica s&apos;escriu en un fitxer .svg o .png, no a «%1».</translation>
    </message>
    <message>
        <source>--tamano es ANCHOxALTO en píxeles, de %1 a %2 cada uno (800x600).</source>
        <translation>--tamano és AMPLADAxALÇADA en píxels, de %1 a %2 cadascun (800x600).</translation>
    </message>
    <message>
        <source>el texto no es una suma de términos en x; no hay gráfica que dar.</source>
        <translation>el text no és una suma de termes en x; no hi ha cap gràfica per donar.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>no s&apos;ha pogut escriure «%1»: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>no s&apos;ha pogut escriure la sortida.</translation>
    </message>
    <message>
        <source>este polinomio es demasiado grande para dibujarlo: grado 400 como máximo, raíces de valor absoluto menor que 10³⁰⁰ y un segundo de cálculo.</source>
        <translation>aquest polinomi és massa gran per dibuixar-lo: grau 400 com a màxim, arrels de valor absolut menor que 10³⁰⁰ i un segon de càlcul.</translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>Gráfica de P(x) en [%1; %2]</source>
        <translation>Gràfica de P(x) a [%1; %2]</translation>
    </message>
    <message>
        <source>%1; coincide con el eje X</source>
        <translation>%1; coincideix amb l&apos;eix X</translation>
    </message>
    <message>
        <source>%1; no corta el eje X</source>
        <translation>%1; no talla l&apos;eix X</translation>
    </message>
    <message>
        <source>%1; corta el eje X en %2</source>
        <translation>%1; talla l&apos;eix X a %2</translation>
    </message>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>x ≈ %1</source>
        <translation>x ≈ %1</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <translation>%1 i %2</translation>
    </message>
</context>
<context>
    <name>GraphImage</name>
    <message>
        <source>Gráfica</source>
        <translation>Gràfica</translation>
    </message>
    <message>
        <source>no se pudo escribir la imagen</source>
        <translation>no s&apos;ha pogut escriure la imatge</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Gráfica</source>
        <translation>Gràfica</translation>
    </message>
    <message>
        <source>(%1; %2)</source>
        <translation>(%1; %2)</translation>
    </message>
</context>
<context>
    <name>PolynomialArgument</name>
    <message>
        <source>%1: el texto no es un polinomio en x: </source>
        <translation>%1: el text no és un polinomi en x: </translation>
    </message>
    <message>
        <source>termina antes de completarse.</source>
        <translation>acaba abans de completar-se.</translation>
    </message>
    <message>
        <source>no se puede leer %1 (carácter %2).</source>
        <translation>no es pot llegir %1 (caràcter %2).</translation>
    </message>
</context>
<context>
    <name>PolynomialPaste</name>
    <message>
        <source>Ctrl+V o Mayús+Insert: pegar un polinomio
Ctrl+Insert: copiar la fórmula como se ve</source>
        <translation>Ctrl+V o Maj+Insert: enganxa un polinomi
Ctrl+Insert: copia la fórmula tal com es veu</translation>
    </message>
    <message>
        <source>El portapapeles no contiene un polinomio en x.</source>
        <translation>El porta-retalls no conté cap polinomi en x.</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Enganxa</translation>
    </message>
</context>
<context>
    <name>ResultList</name>
    <message>
        <source>Resultados</source>
        <translation>Resultats</translation>
    </message>
    <message>
        <source>Resultado %1</source>
        <translation>Resultat %1</translation>
    </message>
    <message>
        <source>Líneas de resultado</source>
        <translation>Línies de resultat</translation>
    </message>
</context>
<context>
    <name>ResultsNotice</name>
    <message>
        <source>Ningún resultado</source>
        <translation>Cap resultat</translation>
    </message>
    <message>
        <source>1 resultado</source>
        <translation>1 resultat</translation>
    </message>
    <message>
        <source>%1 resultados</source>
        <translation>%1 resultats</translation>
    </message>
</context>
<context>
    <name>RuffiniTableModel</name>
    <message>
        <source>Dividendo</source>
        <translation>Dividend</translation>
    </message>
    <message>
        <source>Productos</source>
        <translation>Productes</translation>
    </message>
    <message>
        <source>Cociente y resto</source>
        <translation>Quocient i residu</translation>
    </message>
    <message>
        <source>Raíz</source>
        <translation>Arrel</translation>
    </message>
    <message>
        <source>término independiente</source>
        <translation>terme independent</translation>
    </message>
</context>
<context>
    <name>SheetBuilder</name>
    <message>
        <source>División entre (%1)</source>
        <translation>Divisió entre (%1)</translation>
    </message>
    <message>
        <source>Factor común</source>
        <translation>Factor comú</translation>
    </message>
    <message>
        <source>Raíces</source>
        <translation>Arrels</translation>
    </message>
    <message>
        <source>Factorización</source>
        <translation>Factorització</translation>
    </message>
</context>
<context>
    <name>SheetCommand</name>
    <message>
        <source>--ejercicios necesita un número de ejercicios, de 1 a 200.</source>
        <translation>--ejercicios necessita un nombre d&apos;exercicis, d&apos;1 a 200.</translation>
    </message>
    <message>
        <source>--grado necesita un número, de 2 a 8.</source>
        <translation>--grado necessita un nombre, de 2 a 8.</translation>
    </message>
    <message>
        <source>--raices es A..B, dos enteros, por ejemplo --raices=-6..6.</source>
        <translation>--raices és A..B, dos enters, per exemple --raices=-6..6.</translation>
    </message>
    <message>
        <source>--semilla necesita un entero de 0 a 18446744073709551615.</source>
        <translation>--semilla necessita un enter de 0 a 18446744073709551615.</translation>
    </message>
    <message>
        <source>--%1 no es una opción de --ejercicios.</source>
        <translation>--%1 no és una opció de --ejercicios.</translation>
    </message>
    <message>
        <source>--%1 se indica una sola vez.</source>
        <translation>--%1 s&apos;indica una sola vegada.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>no s&apos;ha pogut escriure «%1»: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>no s&apos;ha pogut escriure la sortida.</translation>
    </message>
    <message>
        <source>--hoja abre la ventana y no lleva más opciones.</source>
        <translation>--hoja obre la finestra i no porta més opcions.</translation>
    </message>
    <message>
        <source>indique la orden de esta opción: --grafica TEXTO o --ejercicios N.</source>
        <translation>indiqueu l&apos;ordre d&apos;aquesta opció: --grafica TEXT o --ejercicios N.</translation>
    </message>
</context>
<context>
    <name>SheetProblemText</name>
    <message>
        <source>El número de ejercicios debe estar entre 1 y 200.</source>
        <translation>El nombre d&apos;exercicis ha de ser entre 1 i 200.</translation>
    </message>
    <message>
        <source>El grado debe estar entre 2 y 8.</source>
        <translation>El grau ha de ser entre 2 i 8.</translation>
    </message>
    <message>
        <source>Las raíces deben estar entre −1000 y 1000, y el primer extremo no puede ser mayor que el segundo.</source>
        <translation>Les arrels han de ser entre −1000 i 1000, i el primer extrem no pot ser més gran que el segon.</translation>
    </message>
    <message>
        <source>Un factor de segundo grado sin raíces reales necesita grado 3 o más (4 o más con raíces fraccionarias).</source>
        <translation>Un factor de segon grau sense arrels reals necessita grau 3 o més (4 o més amb arrels fraccionàries).</translation>
    </message>
    <message>
        <source>Las raíces fraccionarias necesitan un intervalo de más de un número.</source>
        <translation>Les arrels fraccionàries necessiten un interval de més d&apos;un nombre.</translation>
    </message>
    <message>
        <source>Con estas opciones no hay %1 polinomios distintos.</source>
        <translation>Amb aquestes opcions no hi ha %1 polinomis diferents.</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Resolució pas a pas</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copiar &amp;LaTeX</source>
        <translation>Copia el &amp;LaTeX</translation>
    </message>
    <message>
        <source>&amp;Guardar…</source>
        <translation>&amp;Desa…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimeix…</translation>
    </message>
</context>
<context>
    <name>SolutionDocument</name>
    <message>
        <source>la resolución no se escribe en JSON desde la hoja.</source>
        <translation>la resolució no s&apos;escriu en JSON des del full.</translation>
    </message>
</context>
<context>
    <name>SolutionExport</name>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>LaTeX (*.tex)</source>
        <translation>LaTeX (*.tex)</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation>HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Texto (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Guardar la resolución</source>
        <translation>Desa la resolució</translation>
    </message>
    <message>
        <source>resolucion.pdf</source>
        <translation>resolucio.pdf</translation>
    </message>
    <message>
        <source>No se pudo guardar la resolución en «%1»: %2</source>
        <translation>No s&apos;ha pogut desar la resolució a «%1»: %2</translation>
    </message>
    <message>
        <source>No se pudo imprimir la resolución.</source>
        <translation>No s&apos;ha pogut imprimir la resolució.</translation>
    </message>
</context>
<context>
    <name>SolutionOpener</name>
    <message>
        <source>Doble clic: resolución paso a paso</source>
        <translation>Doble clic: resolució pas a pas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>SolutionPages</name>
    <message>
        <source>no se pudo dibujar el documento</source>
        <translation>no s&apos;ha pogut dibuixar el document</translation>
    </message>
</context>
<context>
    <name>SolutionSheet</name>
    <message>
        <source>Gráfica</source>
        <translation>Gràfica</translation>
    </message>
</context>
<context>
    <name>SolutionText</name>
    <message>
        <source>Δ &gt; 0: dos soluciones reales distintas</source>
        <translation>Δ &gt; 0: dues solucions reals diferents</translation>
    </message>
    <message>
        <source>Δ = 0: una solución doble</source>
        <translation>Δ = 0: una solució doble</translation>
    </message>
    <message>
        <source>Δ &lt; 0: la ecuación en t no tiene soluciones reales</source>
        <translation>Δ &lt; 0: l&apos;equació en t no té solucions reals</translation>
    </message>
    <message>
        <source>Δ &gt; 0: dos raíces reales distintas</source>
        <translation>Δ &gt; 0: dues arrels reals diferents</translation>
    </message>
    <message>
        <source>Δ = 0: una raíz doble</source>
        <translation>Δ = 0: una arrel doble</translation>
    </message>
    <message>
        <source>Δ &lt; 0: no tiene raíces reales</source>
        <translation>Δ &lt; 0: no té arrels reals</translation>
    </message>
    <message>
        <source>doble</source>
        <translation>doble</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>triple</translation>
    </message>
    <message>
        <source>cuádruple</source>
        <translation>quàdruple</translation>
    </message>
    <message>
        <source>multiplicidad %1</source>
        <translation>multiplicitat %1</translation>
    </message>
    <message numerus="yes">
        <source>… y %n candidatos más, con resto distinto de 0</source>
        <translation>
            <numerusform>… i %n candidat més, amb residu diferent de 0</numerusform>
            <numerusform>… i %n candidats més, amb residu diferent de 0</numerusform>
        </translation>
    </message>
    <message>
        <source>t = x²: %1 = 0</source>
        <translation>t = x²: %1 = 0</translation>
    </message>
    <message>
        <source>%1 = 0 no tiene raíces racionales</source>
        <translation>%1 = 0 no té arrels racionals</translation>
    </message>
    <message>
        <source>no tiene raíces reales</source>
        <translation>no té arrels reals</translation>
    </message>
    <message numerus="yes">
        <source>%n raíces no reales</source>
        <translation>
            <numerusform>%n arrel no real</numerusform>
            <numerusform>%n arrels no reals</numerusform>
        </translation>
    </message>
    <message>
        <source>Sin raíces racionales, se factoriza sobre los enteros:</source>
        <translation>Sense arrels racionals, es factoritza sobre els enters:</translation>
    </message>
    <message>
        <source>Raíces racionales</source>
        <translation>Arrels racionals</translation>
    </message>
    <message>
        <source>Raíces enteras</source>
        <translation>Arrels enteres</translation>
    </message>
    <message>
        <source>Primer grado</source>
        <translation>Primer grau</translation>
    </message>
    <message>
        <source>Segundo grado</source>
        <translation>Segon grau</translation>
    </message>
    <message>
        <source>Bicuadrada</source>
        <translation>Biquadrada</translation>
    </message>
    <message>
        <source>Raíces aproximadas</source>
        <translation>Arrels aproximades</translation>
    </message>
    <message>
        <source>x = %1: resto %2</source>
        <translation>x = %1: residu %2</translation>
    </message>
    <message>
        <source>Raíces: todo número es raíz</source>
        <translation>Arrels: tot nombre és arrel</translation>
    </message>
    <message>
        <source>Raíces: no tiene</source>
        <translation>Arrels: no en té</translation>
    </message>
    <message>
        <source>Raíces: %1</source>
        <translation>Arrels: %1</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Factorització: %1</translation>
    </message>
    <message>
        <source>Factor común</source>
        <translation>Factor comú</translation>
    </message>
</context>
<context>
    <name>StepsDocumentCommand</name>
    <message>
        <source>el texto no es una suma de términos en x; no hay pasos que dar.</source>
        <translation>el text no és una suma de termes en x; no hi ha passos a fer.</translation>
    </message>
    <message>
        <source>--%1 no acompaña a --pasos con --formato o --salida.</source>
        <translation>--%1 no acompanya --pasos amb --formato o --salida.</translation>
    </message>
    <message>
        <source>con --formato o --salida, indique un solo TEXTO (no «-»), un solo formato y una sola --salida.</source>
        <translation>amb --formato o --salida, indiqueu un sol TEXT (no «-»), un sol format i una sola --salida.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>no s&apos;ha pogut escriure «%1»: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>no s&apos;ha pogut escriure la sortida.</translation>
    </message>
</context>
<context>
    <name>TextCommand</name>
    <message>
        <source>factorix: el texto no es una suma de términos en x; no hay factorización que dar.
Pruebe «factorix --help» para más información.</source>
        <translation>factorix: el text no és una suma de termes en x; no hi ha cap factorització per donar.
Proveu «factorix --help» per a més informació.</translation>
    </message>
</context>
<context>
    <name>TextRunner</name>
    <message>
        <source>%1: no se pudo leer la entrada estándar.
</source>
        <translation>%1: no s&apos;ha pogut llegir l&apos;entrada estàndard.
</translation>
    </message>
</context>
<context>
    <name>WorkReport</name>
    <message>
        <source>Cociente: %1</source>
        <translation>Quocient: %1</translation>
    </message>
    <message>
        <source>Resto: %1</source>
        <translation>Residu: %1</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Factorització: %1</translation>
    </message>
</context>
<context>
    <name>pupupHelp</name>
    <message>
        <source>Símbolos permitidos:</source>
        <translation>Símbols permesos:</translation>
    </message>
    <message>
        <source>Números</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Operadores (+, -, *, /) [teclado numérico]</source>
        <translation>Operadors (+, -, *, /) [teclat numèric]</translation>
    </message>
    <message>
        <source>Paréntesis (pulsar Control-8 y Control-9)</source>
        <translation>Parèntesis (premeu Control-8 i Control-9)</translation>
    </message>
    <message>
        <source>Exponentes (pulsar Shift-Número)</source>
        <translation>Exponents (premeu Maj-Número)</translation>
    </message>
    <message>
        <source>Letras (a, b, c, m, k, x, y, z)</source>
        <translation>Lletres (a, b, c, m, k, x, y, z)</translation>
    </message>
    <message>
        <source>Raíces (pulsar &quot;r&quot; para iniciarla y &quot;R&quot; para finalizarla)</source>
        <translation>Arrels (premeu &quot;r&quot; per iniciar-la i &quot;R&quot; per acabar-la)</translation>
    </message>
    <message>
        <source>Manejo:</source>
        <translation>Ús:</translation>
    </message>
    <message>
        <source>Desplazar cursor de inserción (cursor izquierdo y derecho)</source>
        <translation>Moure el cursor d&apos;inserció (cursor esquerre i dret)</translation>
    </message>
    <message>
        <source>Cambiar modo de inserción:</source>
        <translation>Canviar el mode d&apos;inserció:</translation>
    </message>
    <message>
        <source>Insertar (Control-1) [teclado alfanumérico] {por defecto}</source>
        <translation>Inserir (Control-1) [teclat alfanumèric] {per defecte}</translation>
    </message>
    <message>
        <source>Sobreescribir (Control-2) [teclado alfanumérico]</source>
        <translation>Sobreescriure (Control-2) [teclat alfanumèric]</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>D&apos;acord</translation>
    </message>
</context>
</TS>
