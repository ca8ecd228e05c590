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
Try '%1 --help' for more information.
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
        <translation>Writes the lines in the formula box's encoding (2xe2 for 2x²).</translation>
    </message>
    <message>
        <source>Muestra los textos en IDIOMA: es (español), ca (català), gl (galego), eu (euskara) o en (English). Por omisión, el idioma del sistema, y el español si no es ninguno de ellos.</source>
        <translation>Shows the texts in LANGUAGE: es (español), ca (català), gl (galego), eu (euskara) or en (English). By default, the system's language, and Spanish when it is none of these.</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>Descompone un polinomio en x con coeficientes enteros por sus raíces enteras.
Sin opciones abre la ventana del programa.

TEXTO es el polinomio tal como lo guarda la casilla de fórmula (2xe3+0xe2+0x-16,
con «e» delante de cada cifra elevada) o tal como se ve (2x³+0x²+0x-16).

Estado de salida: 0 si solo se escribieron líneas, 1 si un cálculo terminó
con un mensaje de error, 2 si las opciones no son válidas.</source>
        <translation>Factors a polynomial in x with whole-number coefficients by its integer roots.
Without options it opens the program's window.

TEXT is the polynomial as the formula box stores it (2xe3+0xe2+0x-16,
with "e" before each raised digit) or as it is shown (2x³+0x²+0x-16).

Exit status: 0 if only lines were written, 1 if a calculation ended
with an error message, 2 if the options are not valid.</translation>
    </message>
    <message>
        <source>TEXTO</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>%1: --%2 dibuja y solo la ejecuta el programa de la ventana.
</source>
        <translation>%1: --%2 draws, and only the window's program runs it.
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
        <translation>unknown language: '%1'; choose one of these: %2.</translation>
    </message>
    <message>
        <source>argumento inesperado: «%1».</source>
        <translation>unexpected argument: '%1'.</translation>
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
        <translation>Finds the integer roots of the polynomial TEXT as the "Calculate" button does and writes one line per root: the factor and the quotient. With "-" it reads one polynomial per line of standard input.</translation>
    </message>
    <message>
        <source>Escribe en una línea la factorización completa de TEXTO sobre los enteros: el contenido, los factores de las raíces enteras y los demás factores irreducibles, con sus exponentes.</source>
        <translation>Writes on one line the complete factorization of TEXT over the integers: the content, the factors of the integer roots and the other irreducible factors, with their exponents.</translation>
    </message>
    <message>
        <source>Escribe, como tablas de texto, los pasos de la regla de Ruffini desde la primera raíz de TEXTO, cada uno con su cociente y su resto, y después la factorización completa.</source>
        <translation>Writes, as text tables, the steps of synthetic division from the first root of TEXT, each with its quotient and remainder, then the complete factorization.</translation>
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
· To enter signs, in this case, use the "+" and "-" 
of the numeric keypad.
· To enter the "x", press the "x" key of the main 
keyboard.
· To enter powers, hold down Shift (the capitals 
arrow) and, without releasing it, press the desired 
number on the main keyboard.

To calculate the possible factorizations, click 
"Calculate". Depending on the power of your computer, 
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
    <name>SolutionDialog</name>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Step-by-step solution</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
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
    <name>SolutionSheet</name>
    <message>
        <source>Gráfica</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>División entre (%1)</source>
        <translation>Division by (%1)</translation>
    </message>
    <message>
        <source>Raíces enteras</source>
        <translation>Integer roots</translation>
    </message>
    <message>
        <source>Cociente: %1
Resto: %2</source>
        <translation>Quotient: %1
Remainder: %2</translation>
    </message>
    <message>
        <source>Factorización</source>
        <translation>Factorization</translation>
    </message>
</context>
<context>
    <name>TextCommand</name>
    <message>
        <source>factorix: el texto no es una suma de términos en x; no hay factorización que dar.
Pruebe «factorix --help» para más información.</source>
        <translation>factorix: the text is not a sum of terms in x; there is no factorization to give.
Try 'factorix --help' for more information.</translation>
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
        <translation>Roots (press "r" to start one and "R" to end it)</translation>
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
