<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Pruebe «%1 --help» para más información.
</source>
        <translation>%1: %2
Try &apos;%1 --help&apos; for more information.
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
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Muestra la versión y la licencia.</source>
        <translation>Displays the version and the licence.</translation>
    </message>
    <message>
        <source>Escribe las líneas en la codificación de la casilla de fórmula (2xe2 por 2x²).</source>
        <translation>Writes the lines in the formula box&apos;s encoding (2xe2 for 2x²).</translation>
    </message>
    <message>
        <source>Muestra los textos en IDIOMA: es (español), ca (català), gl (galego), eu (euskara) o en (English). Por omisión, el idioma del sistema, y el español si no es ninguno de ellos.</source>
        <translation>Shows the texts in LANGUAGE: es (español), ca (català), gl (galego), eu (euskara) or en (English). By default, the system&apos;s language, and Spanish when it is none of these.</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>TEXTO</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>%1: --%2 dibuja y solo la ejecuta el programa de la ventana.
</source>
        <translation>%1: --%2 draws, and only the window&apos;s program runs it.
</translation>
    </message>
    <message>
        <source>%1: no se pudo escribir la salida.
</source>
        <translation>%1: could not write the output.
</translation>
    </message>
    <message>
        <source>idioma desconocido: «%1»; elija uno de estos: %2.</source>
        <translation>unknown language: &apos;%1&apos;; choose one of these: %2.</translation>
    </message>
    <message>
        <source>argumento inesperado: «%1».</source>
        <translation>unexpected argument: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>indique una sola orden y un solo TEXTO.</source>
        <translation>give a single command and a single TEXT.</translation>
    </message>
    <message>
        <source>falta la orden, por ejemplo --calcular TEXTO.</source>
        <translation>the command is missing, for example --calcular TEXT.</translation>
    </message>
    <message>
        <source>Busca las raíces enteras del polinomio TEXTO como el botón «Calcular» y escribe una línea por raíz: el factor y el cociente. Con «-» lee un polinomio por línea de la entrada estándar.</source>
        <translation>Finds the integer roots of the polynomial TEXT as the &quot;Calculate&quot; button does and writes one line per root: the factor and the quotient. With &quot;-&quot; it reads one polynomial per line of standard input.</translation>
    </message>
    <message>
        <source>Escribe en una línea la factorización completa de TEXTO sobre los enteros: el contenido, los factores de las raíces enteras y los demás factores irreducibles, con sus exponentes.</source>
        <translation>Writes on one line the complete factorization of TEXT over the integers: the content, the factors of the integer roots and the other irreducible factors, with their exponents.</translation>
    </message>
    <message>
        <source>Escribe, como tablas de texto, los pasos de la regla de Ruffini desde la primera raíz de TEXTO, cada uno con su cociente y su resto, y después la factorización completa.</source>
        <translation>Writes, as text tables, the steps of synthetic division from the first root of TEXT, each with its quotient and remainder, then the complete factorization.</translation>
    </message>
    <message>
        <source>Descompone un polinomio en x con coeficientes enteros por sus raíces enteras.
Sin opciones abre la ventana del programa.

TEXTO es el polinomio tal como lo guarda la casilla de fórmula (2xe3+0xe2+0x-16,
con «e» delante de cada cifra elevada) o tal como se ve (2x³+0x²+0x-16), o
escrito como se suele escribir: &quot;x^3 - 8&quot;, &quot;X**2-1&quot;, &quot;−16 + 2x³&quot;, &quot;x^2 - 1 = 0&quot;.

Estado de salida: 0 si solo se escribieron líneas, 1 si un cálculo terminó
con un mensaje de error, 2 si las opciones no son válidas.</source>
        <translation>Factors a polynomial in x with whole-number coefficients by its integer roots.
Without options it opens the program&apos;s window.

TEXT is the polynomial as the formula box stores it (2xe3+0xe2+0x-16,
with &quot;e&quot; before each raised digit), as it is shown (2x³+0x²+0x-16), or
written the usual way: &quot;x^3 - 8&quot;, &quot;X**2-1&quot;, &quot;−16 + 2x³&quot;, &quot;x^2 - 1 = 0&quot;.

Exit status: 0 if only lines were written, 1 if a calculation ended
with an error message, 2 if the options are not valid.</translation>
    </message>
    <message>
        <source>Dibuja la gráfica de P(x) sin pantalla: con --salida la escribe en un archivo .svg o .png de 800x600 (o de --tamano ANCHOxALTO); con --descripcion escribe en la salida la descripción que lee un lector de pantalla.</source>
        <translation>Draws the graph of P(x) without a display: with --salida it writes it to an .svg or .png file of 800x600 (or of --tamano WIDTHxHEIGHT); with --descripcion it writes on standard output the description a screen reader reads.</translation>
    </message>
    <message>
        <source>Escribe una hoja de N ejercicios (de 1 a 200) y después sus soluciones, cada una con su factorización y sus raíces. La misma --semilla da la misma hoja.</source>
        <translation>Writes a sheet of N exercises (from 1 to 200) followed by their solutions, each with its factorization and its roots. The same --semilla gives the same sheet.</translation>
    </message>
    <message>
        <source>Abre la ventana «Hoja de ejercicios».</source>
        <translation>Opens the &quot;Exercise sheet&quot; window.</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>ANCHOxALTO</source>
        <translation>WIDTHxHEIGHT</translation>
    </message>
    <message>
        <source>Con --grafica, el tamaño de la imagen en píxeles (800x600).</source>
        <translation>With --grafica, the size of the picture in pixels (800x600).</translation>
    </message>
    <message>
        <source>Con --grafica, escribe la descripción de la gráfica.</source>
        <translation>With --grafica, writes the description of the graph.</translation>
    </message>
    <message>
        <source>Con --ejercicios, el grado de los polinomios, de 2 a 8 (3).</source>
        <translation>With --ejercicios, the degree of the polynomials, from 2 to 8 (3).</translation>
    </message>
    <message>
        <source>Con --ejercicios, entre qué enteros están las raíces (-6..6).</source>
        <translation>With --ejercicios, the integers the roots lie between (-6..6).</translation>
    </message>
    <message>
        <source>Con --ejercicios, algunas raíces son p/q, con q de 2 a 4.</source>
        <translation>With --ejercicios, some roots are p/q, with q from 2 to 4.</translation>
    </message>
    <message>
        <source>Con --ejercicios, un factor es de segundo grado sin raíces reales.</source>
        <translation>With --ejercicios, one factor is a quadratic without real roots.</translation>
    </message>
    <message>
        <source>Con --ejercicios, la semilla de la hoja (un entero de 0 a 2^64-1).</source>
        <translation>With --ejercicios, the seed of the sheet (an integer from 0 to 2^64-1).</translation>
    </message>
    <message>
        <source>Con --ejercicios, cada solución con su resolución paso a paso.</source>
        <translation>With --ejercicios, each solution with its step-by-step solution.</translation>
    </message>
    <message>
        <source>FORMATO</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>Con --pasos, escribe la solución como un objeto JSON en una línea por polinomio.</source>
        <translation>With --pasos, writes the solution as a JSON object on one line per polynomial.</translation>
    </message>
    <message>
        <source>--json solo acompaña a --pasos.</source>
        <translation>--json only goes with --pasos.</translation>
    </message>
    <message>
        <source>El archivo que escriben --grafica, --ejercicios y --pasos.</source>
        <translation>The file that --grafica, --ejercicios and --pasos write.</translation>
    </message>
    <message>
        <source>Con --ejercicios o --pasos, texto, json, html, latex o pdf; si no se indica, el de la terminación de --salida, y si no hay archivo, texto.</source>
        <translation>With --ejercicios or --pasos, texto, json, html, latex or pdf; when not given, the one of --salida&apos;s ending, and with no file, texto.</translation>
    </message>
    <message>
        <source>Escribe la resolución paso a paso de TEXTO: el factor común, los candidatos probados con el teorema del resto, las tablas de Ruffini, la ecuación de segundo grado o bicuadrada que queda, las raíces con su multiplicidad y la factorización. Con --json, un objeto JSON por polinomio; con --formato o --salida, un documento (texto, JSON, HTML, LaTeX o PDF).</source>
        <translation>Writes the step-by-step solution of TEXT: the common factor, the candidates tried with the remainder theorem, the synthetic division tables, the quadratic or biquadratic equation that is left, the roots with their multiplicity and the factorization. With --json, one JSON object per polynomial; with --formato or --salida, a document (text, JSON, HTML, LaTeX or PDF).</translation>
    </message>
    <message>
        <source>--%1 se indica una sola vez.</source>
        <translation>--%1 is given only once.</translation>
    </message>
</context>
<context>
    <name>ControlDesign</name>
    <message>
        <source>Polinomio</source>
        <translation>Polynomial</translation>
    </message>
    <message>
        <source>Descomposición(es)</source>
        <translation>Factorization(s)</translation>
    </message>
    <message>
        <source>Créditos</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Desplazar resultados</source>
        <translation>Scroll the results</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DrawingOutput</name>
    <message>
        <source>--formato es texto, json, html, latex o pdf, no «%1».</source>
        <translation>--formato is texto, json, html, latex or pdf, not &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>no se sabe en qué formato escribir «%1»: indique --formato.</source>
        <translation>which format to write &apos;%1&apos; in is unknown: give --formato.</translation>
    </message>
    <message>
        <source>un PDF se escribe en un archivo: indique --salida ARCHIVO.pdf.</source>
        <translation>a PDF is written to a file: give --salida FILE.pdf.</translation>
    </message>
</context>
<context>
    <name>DrawingProgram</name>
    <message>
        <source>factorix: no se pudo iniciar %1: %2.</source>
        <translation>factorix: could not start %1: %2.</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <source>Error de cálculo.</source>
        <translation>Calculation error.</translation>
    </message>
    <message>
        <source>Se produjo un error. Revise el cálculo.</source>
        <translation>An error occurred. Check the calculation.</translation>
    </message>
</context>
<context>
    <name>ExerciseSheetDialog</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Exercise sheet</translation>
    </message>
    <message>
        <source>Con raíces fraccionarias (p/q, con q de 2 a 4)</source>
        <translation>With fractional roots (p/q, with q from 2 to 4)</translation>
    </message>
    <message>
        <source>Con un factor de segundo grado sin raíces reales</source>
        <translation>With a quadratic factor without real roots</translation>
    </message>
    <message>
        <source>Soluciones con la resolución paso a paso</source>
        <translation>Solutions with the step-by-step solution</translation>
    </message>
    <message>
        <source>Otra semilla</source>
        <translation>Another seed</translation>
    </message>
    <message>
        <source>y</source>
        <translation>and</translation>
    </message>
    <message>
        <source>&amp;Número de ejercicios:</source>
        <translation>&amp;Number of exercises:</translation>
    </message>
    <message>
        <source>&amp;Grado:</source>
        <translation>&amp;Degree:</translation>
    </message>
    <message>
        <source>&amp;Raíces enteras entre:</source>
        <translation>Integer &amp;roots between:</translation>
    </message>
    <message>
        <source>&amp;Semilla:</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <source>Vista previa</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>&amp;Guardar…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>La semilla debe ser un número entero de 0 a 18446744073709551615.</source>
        <translation>The seed must be a whole number from 0 to 18446744073709551615.</translation>
    </message>
    <message>
        <source>No se pudo guardar la hoja en «%1»: %2</source>
        <translation>The sheet could not be saved to &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Guardar la hoja de ejercicios</source>
        <translation>Save the exercise sheet</translation>
    </message>
    <message>
        <source>hoja-de-ejercicios.pdf</source>
        <translation>exercise-sheet.pdf</translation>
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
        <translation>Exercise sheet</translation>
    </message>
    <message>
        <source>Grado %1 · raíces entre %2 y %3</source>
        <translation>Degree %1 · roots between %2 and %3</translation>
    </message>
    <message>
        <source> · con raíces fraccionarias</source>
        <translation> · with fractional roots</translation>
    </message>
    <message>
        <source> · con un factor de segundo grado sin raíces reales</source>
        <translation> · with a quadratic factor without real roots</translation>
    </message>
    <message>
        <source> · semilla %1</source>
        <translation> · seed %1</translation>
    </message>
    <message>
        <source>Factoriza y halla las raíces de cada polinomio.</source>
        <translation>Factor each polynomial and find its roots.</translation>
    </message>
    <message>
        <source>%1. P(x) = %2</source>
        <translation>%1. P(x) = %2</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Factorization: %1</translation>
    </message>
    <message>
        <source>Raíces: %1</source>
        <translation>Roots: %1</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>Sitio web: %1</source>
        <translation>Website: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Email: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Escriba aquí un polinomio</source>
        <translation>Type a polynomial here</translation>
    </message>
    <message>
        <source>Encabezado de los resultados</source>
        <translation>Results heading</translation>
    </message>
    <message>
        <source>Desplazamiento de los resultados</source>
        <translation>Scrolling of the results</translation>
    </message>
    <message>
        <source>Desplazar a la izquierda</source>
        <translation>Scroll left</translation>
    </message>
    <message>
        <source>Desplazar a la derecha</source>
        <translation>Scroll right</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>¿Está seguro de querer salir?</source>
        <translation>Are you sure you want to quit?</translation>
    </message>
    <message>
        <source>No se pudo abrir el navegador.

La dirección %1 se ha copiado al portapapeles.</source>
        <translation>The web browser could not be opened.

The address %1 has been copied to the clipboard.</translation>
    </message>
</context>
<context>
    <name>Form1Design</name>
    <message>
        <source>EL POLINOMIO SE PUEDE DESCOMPONER EN:</source>
        <extracomment>The heading is a formula pad&apos;s text: capitals, spaces and punctuation only, since the pad reads &quot;e&quot;, &quot;r&quot;, &quot;s&quot; and &quot;;&quot; as its own marks.</extracomment>
        <translation>THE POLYNOMIAL CAN BE FACTORED AS:</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Texto de ayuda</source>
        <translation>Help text</translation>
    </message>
</context>
<context>
    <name>Form2Design</name>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
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
        <translation>To enter a polynomial in the input box, 
you can do the following:
· To enter numbers, use the number keys of the main 
keyboard.
· To enter signs, in this case, use the &quot;+&quot; and &quot;-&quot; 
of the numeric keypad.
· To enter the &quot;x&quot;, press the &quot;x&quot; key of the main 
keyboard.
· To enter powers, hold down Shift (the capitals 
arrow) and, without releasing it, press the desired 
number on the main keyboard.

To calculate the possible factorizations, click 
&quot;Calculate&quot;. Depending on the power of your computer, 
the calculation will take more or less time. Once it 
has finished, it will show you the possible 
factorizations of the polynomial.

IMPORTANT: You must enter the polynomial in the 
calculation box in DECREASING order. Also, if a 
monomial is missing from the polynomial, it must be 
completed with +0x^n.
E.g.: 3x^3-6 must be completed as:
      3x^3+0x^2+0x-6</translation>
    </message>
    <message>
        <source>Ayuda del programa de Factorix</source>
        <translation>Factorix help</translation>
    </message>
</context>
<context>
    <name>FormulaPad</name>
    <message>
        <source>Modo de utilización</source>
        <translation>How to use</translation>
    </message>
</context>
<context>
    <name>FormulaPadAccessible</name>
    <message>
        <source>Fórmula</source>
        <translation>Formula</translation>
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
        <translation>%1, clipped</translation>
    </message>
</context>
<context>
    <name>GraphCommand</name>
    <message>
        <source>--%1 no es una opción de --grafica.</source>
        <translation>--%1 is not an option of --grafica.</translation>
    </message>
    <message>
        <source>indique un solo TEXTO y una sola --salida.</source>
        <translation>give a single TEXT and a single --salida.</translation>
    </message>
    <message>
        <source>indique --salida ARCHIVO.svg o ARCHIVO.png, o --descripcion.</source>
        <translation>give --salida FILE.svg or FILE.png, or --descripcion.</translation>
    </message>
    <message>
        <source>la gráfica se escribe en un archivo .svg o .png, no en «%1».</source>
        <translation>the graph is written to an .svg or .png file, not to &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--tamano es ANCHOxALTO en píxeles, de %1 a %2 cada uno (800x600).</source>
        <translation>--tamano is WIDTHxHEIGHT in pixels, from %1 to %2 each (800x600).</translation>
    </message>
    <message>
        <source>el texto no es una suma de términos en x; no hay gráfica que dar.</source>
        <translation>the text is not a sum of terms in x; there is no graph to give.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>could not write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>could not write the output.</translation>
    </message>
    <message>
        <source>este polinomio es demasiado grande para dibujarlo: grado 400 como máximo, raíces de valor absoluto menor que 10³⁰⁰ y un segundo de cálculo.</source>
        <translation>this polynomial is too large to draw: degree 400 at most, roots of absolute value below 10³⁰⁰ and one second of calculation.</translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>Gráfica de P(x) en [%1; %2]</source>
        <translation>Graph of P(x) on [%1; %2]</translation>
    </message>
    <message>
        <source>%1; coincide con el eje X</source>
        <translation>%1; it lies on the x-axis</translation>
    </message>
    <message>
        <source>%1; no corta el eje X</source>
        <translation>%1; it does not cross the x-axis</translation>
    </message>
    <message>
        <source>%1; corta el eje X en %2</source>
        <translation>%1; it crosses the x-axis at %2</translation>
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
        <translation>%1 and %2</translation>
    </message>
</context>
<context>
    <name>GraphImage</name>
    <message>
        <source>Gráfica</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>no se pudo escribir la imagen</source>
        <translation>the picture could not be written</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Gráfica</source>
        <translation>Graph</translation>
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
        <translation>%1: the text is not a polynomial in x: </translation>
    </message>
    <message>
        <source>termina antes de completarse.</source>
        <translation>it ends before it is complete.</translation>
    </message>
    <message>
        <source>no se puede leer %1 (carácter %2).</source>
        <translation>%1 cannot be read (character %2).</translation>
    </message>
</context>
<context>
    <name>PolynomialPaste</name>
    <message>
        <source>Ctrl+V o Mayús+Insert: pegar un polinomio
Ctrl+Insert: copiar la fórmula como se ve</source>
        <translation>Ctrl+V or Shift+Insert: paste a polynomial
Ctrl+Insert: copy the formula as shown</translation>
    </message>
    <message>
        <source>El portapapeles no contiene un polinomio en x.</source>
        <translation>The clipboard holds no polynomial in x.</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Paste</translation>
    </message>
</context>
<context>
    <name>ResultList</name>
    <message>
        <source>Resultados</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Resultado %1</source>
        <translation>Result %1</translation>
    </message>
    <message>
        <source>Líneas de resultado</source>
        <translation>Result lines</translation>
    </message>
</context>
<context>
    <name>ResultsNotice</name>
    <message>
        <source>Ningún resultado</source>
        <translation>No results</translation>
    </message>
    <message>
        <source>1 resultado</source>
        <translation>1 result</translation>
    </message>
    <message>
        <source>%1 resultados</source>
        <translation>%1 results</translation>
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
        <translation>Products</translation>
    </message>
    <message>
        <source>Cociente y resto</source>
        <translation>Quotient and remainder</translation>
    </message>
    <message>
        <source>Raíz</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>término independiente</source>
        <translation>constant term</translation>
    </message>
</context>
<context>
    <name>SheetBuilder</name>
    <message>
        <source>División entre (%1)</source>
        <translation>Division by (%1)</translation>
    </message>
    <message>
        <source>Factor común</source>
        <translation>Common factor</translation>
    </message>
    <message>
        <source>Raíces</source>
        <translation>Roots</translation>
    </message>
    <message>
        <source>Factorización</source>
        <translation>Factorization</translation>
    </message>
</context>
<context>
    <name>SheetCommand</name>
    <message>
        <source>--ejercicios necesita un número de ejercicios, de 1 a 200.</source>
        <translation>--ejercicios needs a number of exercises, from 1 to 200.</translation>
    </message>
    <message>
        <source>--grado necesita un número, de 2 a 8.</source>
        <translation>--grado needs a number, from 2 to 8.</translation>
    </message>
    <message>
        <source>--raices es A..B, dos enteros, por ejemplo --raices=-6..6.</source>
        <translation>--raices is A..B, two integers, for example --raices=-6..6.</translation>
    </message>
    <message>
        <source>--semilla necesita un entero de 0 a 18446744073709551615.</source>
        <translation>--semilla needs an integer from 0 to 18446744073709551615.</translation>
    </message>
    <message>
        <source>--%1 no es una opción de --ejercicios.</source>
        <translation>--%1 is not an option of --ejercicios.</translation>
    </message>
    <message>
        <source>--%1 se indica una sola vez.</source>
        <translation>--%1 is given only once.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>could not write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>could not write the output.</translation>
    </message>
    <message>
        <source>--hoja abre la ventana y no lleva más opciones.</source>
        <translation>--hoja opens the window and takes no other options.</translation>
    </message>
    <message>
        <source>indique la orden de esta opción: --grafica TEXTO o --ejercicios N.</source>
        <translation>give the command of this option: --grafica TEXT or --ejercicios N.</translation>
    </message>
</context>
<context>
    <name>SheetProblemText</name>
    <message>
        <source>El número de ejercicios debe estar entre 1 y 200.</source>
        <translation>The number of exercises must be between 1 and 200.</translation>
    </message>
    <message>
        <source>El grado debe estar entre 2 y 8.</source>
        <translation>The degree must be between 2 and 8.</translation>
    </message>
    <message>
        <source>Las raíces deben estar entre −1000 y 1000, y el primer extremo no puede ser mayor que el segundo.</source>
        <translation>The roots must lie between −1000 and 1000, and the first end cannot be greater than the second.</translation>
    </message>
    <message>
        <source>Un factor de segundo grado sin raíces reales necesita grado 3 o más (4 o más con raíces fraccionarias).</source>
        <translation>A quadratic factor without real roots needs degree 3 or more (4 or more with fractional roots).</translation>
    </message>
    <message>
        <source>Las raíces fraccionarias necesitan un intervalo de más de un número.</source>
        <translation>Fractional roots need a range of more than one number.</translation>
    </message>
    <message>
        <source>Con estas opciones no hay %1 polinomios distintos.</source>
        <translation>With these options there are not %1 different polynomials.</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Step-by-step solution</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copiar &amp;LaTeX</source>
        <translation>Copy &amp;LaTeX</translation>
    </message>
    <message>
        <source>&amp;Guardar…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Print…</translation>
    </message>
</context>
<context>
    <name>SolutionDocument</name>
    <message>
        <source>la resolución no se escribe en JSON desde la hoja.</source>
        <translation>the solution is not written as JSON from the sheet.</translation>
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
        <translation>Save the solution</translation>
    </message>
    <message>
        <source>resolucion.pdf</source>
        <translation>solution.pdf</translation>
    </message>
    <message>
        <source>No se pudo guardar la resolución en «%1»: %2</source>
        <translation>The solution could not be saved to &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>No se pudo imprimir la resolución.</source>
        <translation>The solution could not be printed.</translation>
    </message>
</context>
<context>
    <name>SolutionOpener</name>
    <message>
        <source>Doble clic: resolución paso a paso</source>
        <translation>Double-click: step-by-step solution</translation>
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
        <translation>the document could not be drawn</translation>
    </message>
</context>
<context>
    <name>SolutionSheet</name>
    <message>
        <source>Gráfica</source>
        <translation>Graph</translation>
    </message>
</context>
<context>
    <name>SolutionText</name>
    <message>
        <source>Δ &gt; 0: dos soluciones reales distintas</source>
        <translation>Δ &gt; 0: two distinct real solutions</translation>
    </message>
    <message>
        <source>Δ = 0: una solución doble</source>
        <translation>Δ = 0: one double solution</translation>
    </message>
    <message>
        <source>Δ &lt; 0: la ecuación en t no tiene soluciones reales</source>
        <translation>Δ &lt; 0: the equation in t has no real solutions</translation>
    </message>
    <message>
        <source>Δ &gt; 0: dos raíces reales distintas</source>
        <translation>Δ &gt; 0: two distinct real roots</translation>
    </message>
    <message>
        <source>Δ = 0: una raíz doble</source>
        <translation>Δ = 0: one double root</translation>
    </message>
    <message>
        <source>Δ &lt; 0: no tiene raíces reales</source>
        <translation>Δ &lt; 0: it has no real roots</translation>
    </message>
    <message>
        <source>doble</source>
        <translation>double</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>triple</translation>
    </message>
    <message>
        <source>cuádruple</source>
        <translation>quadruple</translation>
    </message>
    <message>
        <source>multiplicidad %1</source>
        <translation>multiplicity %1</translation>
    </message>
    <message numerus="yes">
        <source>… y %n candidatos más, con resto distinto de 0</source>
        <translation>
            <numerusform>… and %n more candidate, with a remainder other than 0</numerusform>
            <numerusform>… and %n more candidates, with a remainder other than 0</numerusform>
        </translation>
    </message>
    <message>
        <source>t = x²: %1 = 0</source>
        <translation>t = x²: %1 = 0</translation>
    </message>
    <message>
        <source>%1 = 0 no tiene raíces racionales</source>
        <translation>%1 = 0 has no rational roots</translation>
    </message>
    <message>
        <source>no tiene raíces reales</source>
        <translation>it has no real roots</translation>
    </message>
    <message numerus="yes">
        <source>%n raíces no reales</source>
        <translation>
            <numerusform>%n non-real root</numerusform>
            <numerusform>%n non-real roots</numerusform>
        </translation>
    </message>
    <message>
        <source>Sin raíces racionales, se factoriza sobre los enteros:</source>
        <translation>With no rational roots, it is factored over the integers:</translation>
    </message>
    <message>
        <source>Raíces racionales</source>
        <translation>Rational roots</translation>
    </message>
    <message>
        <source>Raíces enteras</source>
        <translation>Integer roots</translation>
    </message>
    <message>
        <source>Primer grado</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Segundo grado</source>
        <translation>Quadratic</translation>
    </message>
    <message>
        <source>Bicuadrada</source>
        <translation>Biquadratic</translation>
    </message>
    <message>
        <source>Raíces aproximadas</source>
        <translation>Approximate roots</translation>
    </message>
    <message>
        <source>x = %1: resto %2</source>
        <translation>x = %1: remainder %2</translation>
    </message>
    <message>
        <source>Raíces: todo número es raíz</source>
        <translation>Roots: every number is a root</translation>
    </message>
    <message>
        <source>Raíces: no tiene</source>
        <translation>Roots: none</translation>
    </message>
    <message>
        <source>Raíces: %1</source>
        <translation>Roots: %1</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Factorization: %1</translation>
    </message>
    <message>
        <source>Factor común</source>
        <translation>Common factor</translation>
    </message>
</context>
<context>
    <name>StepsDocumentCommand</name>
    <message>
        <source>el texto no es una suma de términos en x; no hay pasos que dar.</source>
        <translation>the text is not a sum of terms in x; there are no steps to take.</translation>
    </message>
    <message>
        <source>--%1 no acompaña a --pasos con --formato o --salida.</source>
        <translation>--%1 does not go with --pasos with --formato or --salida.</translation>
    </message>
    <message>
        <source>con --formato o --salida, indique un solo TEXTO (no «-»), un solo formato y una sola --salida.</source>
        <translation>with --formato or --salida, give one TEXT only (not &apos;-&apos;), one format and one --salida.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>could not write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>could not write the output.</translation>
    </message>
</context>
<context>
    <name>TextCommand</name>
    <message>
        <source>factorix: el texto no es una suma de términos en x; no hay factorización que dar.
Pruebe «factorix --help» para más información.</source>
        <translation>factorix: the text is not a sum of terms in x; there is no factorization to give.
Try &apos;factorix --help&apos; for more information.</translation>
    </message>
</context>
<context>
    <name>TextRunner</name>
    <message>
        <source>%1: no se pudo leer la entrada estándar.
</source>
        <translation>%1: could not read standard input.
</translation>
    </message>
</context>
<context>
    <name>WorkReport</name>
    <message>
        <source>Cociente: %1</source>
        <translation>Quotient: %1</translation>
    </message>
    <message>
        <source>Resto: %1</source>
        <translation>Remainder: %1</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Factorization: %1</translation>
    </message>
</context>
<context>
    <name>pupupHelp</name>
    <message>
        <source>Símbolos permitidos:</source>
        <translation>Allowed symbols:</translation>
    </message>
    <message>
        <source>Números</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Operadores (+, -, *, /) [teclado numérico]</source>
        <translation>Operators (+, -, *, /) [numeric keypad]</translation>
    </message>
    <message>
        <source>Paréntesis (pulsar Control-8 y Control-9)</source>
        <translation>Parentheses (Control-8 and Control-9)</translation>
    </message>
    <message>
        <source>Exponentes (pulsar Shift-Número)</source>
        <translation>Exponents (press Shift-Number)</translation>
    </message>
    <message>
        <source>Letras (a, b, c, m, k, x, y, z)</source>
        <translation>Letters (a, b, c, m, k, x, y, z)</translation>
    </message>
    <message>
        <source>Raíces (pulsar &quot;r&quot; para iniciarla y &quot;R&quot; para finalizarla)</source>
        <translation>Roots (press &quot;r&quot; to start one and &quot;R&quot; to end it)</translation>
    </message>
    <message>
        <source>Manejo:</source>
        <translation>Editing:</translation>
    </message>
    <message>
        <source>Desplazar cursor de inserción (cursor izquierdo y derecho)</source>
        <translation>Move the insertion cursor (left and right arrow keys)</translation>
    </message>
    <message>
        <source>Cambiar modo de inserción:</source>
        <translation>Change the insertion mode:</translation>
    </message>
    <message>
        <source>Insertar (Control-1) [teclado alfanumérico] {por defecto}</source>
        <translation>Insert (Control-1) [main keyboard] {default}</translation>
    </message>
    <message>
        <source>Sobreescribir (Control-2) [teclado alfanumérico]</source>
        <translation>Overwrite (Control-2) [main keyboard]</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
