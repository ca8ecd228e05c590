<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Pruebe «%1 --help» para más información.
</source>
        <translation>%1: %2
Probe «%1 --help» para máis información.
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
Licenza GPLv3+: GNU GPL versión 3 ou posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Isto é software libre: pode modificalo e redistribuílo.
Non hai NINGUNHA GARANTÍA, na medida en que o permita a lei.
</translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Mostra esta axuda.</translation>
    </message>
    <message>
        <source>Muestra la versión y la licencia.</source>
        <translation>Mostra a versión e a licenza.</translation>
    </message>
    <message>
        <source>Escribe las líneas en la codificación de la casilla de fórmula (2xe2 por 2x²).</source>
        <translation>Escribe as liñas na codificación da caixa de fórmula (2xe2 por 2x²).</translation>
    </message>
    <message>
        <source>Muestra los textos en IDIOMA: es (español), ca (català), gl (galego), eu (euskara) o en (English). Por omisión, el idioma del sistema, y el español si no es ninguno de ellos.</source>
        <translation>Mostra os textos en IDIOMA: es (español), ca (català), gl (galego), eu (euskara) ou en (English). De forma predeterminada, o idioma do sistema, e o español se non é ningún deles.</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>TEXTO</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>%1: --%2 dibuja y solo la ejecuta el programa de la ventana.
</source>
        <translation>%1: --%2 debuxa e só a executa o programa da xanela.
</translation>
    </message>
    <message>
        <source>%1: no se pudo escribir la salida.
</source>
        <translation>%1: non se puido escribir a saída.
</translation>
    </message>
    <message>
        <source>idioma desconocido: «%1»; elija uno de estos: %2.</source>
        <translation>idioma descoñecido: «%1»; escolla un destes: %2.</translation>
    </message>
    <message>
        <source>argumento inesperado: «%1».</source>
        <translation>argumento inesperado: «%1».</translation>
    </message>
    <message>
        <source>indique una sola orden y un solo TEXTO.</source>
        <translation>indique unha soa orde e un só TEXTO.</translation>
    </message>
    <message>
        <source>falta la orden, por ejemplo --calcular TEXTO.</source>
        <translation>falta a orde, por exemplo --calcular TEXTO.</translation>
    </message>
    <message>
        <source>Busca las raíces enteras del polinomio TEXTO como el botón «Calcular» y escribe una línea por raíz: el factor y el cociente. Con «-» lee un polinomio por línea de la entrada estándar.</source>
        <translation>Busca as raíces enteiras do polinomio TEXTO como o botón «Calcular» e escribe unha liña por raíz: o factor e o cociente. Con «-» le un polinomio por liña da entrada estándar.</translation>
    </message>
    <message>
        <source>Escribe en una línea la factorización completa de TEXTO sobre los enteros: el contenido, los factores de las raíces enteras y los demás factores irreducibles, con sus exponentes.</source>
        <translation>Escribe nunha liña a factorización completa de TEXTO sobre os enteiros: o contido, os factores das raíces enteiras e os demais factores irredutibles, cos seus expoñentes.</translation>
    </message>
    <message>
        <source>Escribe, como tablas de texto, los pasos de la regla de Ruffini desde la primera raíz de TEXTO, cada uno con su cociente y su resto, y después la factorización completa.</source>
        <translation>Escribe, como táboas de texto, os pasos da regra de Ruffini desde a primeira raíz de TEXTO, cada un co seu cociente e o seu resto, e despois a factorización completa.</translation>
    </message>
    <message>
        <source>Descompone un polinomio en x con coeficientes enteros por sus raíces enteras.
Sin opciones abre la ventana del programa.

TEXTO es el polinomio tal como lo guarda la casilla de fórmula (2xe3+0xe2+0x-16,
con «e» delante de cada cifra elevada) o tal como se ve (2x³+0x²+0x-16), o
escrito como se suele escribir: &quot;x^3 - 8&quot;, &quot;X**2-1&quot;, &quot;−16 + 2x³&quot;, &quot;x^2 - 1 = 0&quot;.

Estado de salida: 0 si solo se escribieron líneas, 1 si un cálculo terminó
con un mensaje de error, 2 si las opciones no son válidas.</source>
        <translation>Descompón un polinomio en x con coeficientes enteiros polas súas raíces enteiras.
Sen opcións abre a xanela do programa.

TEXTO é o polinomio tal como o garda a caixa de fórmula (2xe3+0xe2+0x-16,
con «e» diante de cada cifra elevada) ou tal como se ve (2x³+0x²+0x-16), ou
escrito como se adoita escribir: &quot;x^3 - 8&quot;, &quot;X**2-1&quot;, &quot;−16 + 2x³&quot;, &quot;x^2 - 1 = 0&quot;.

Estado de saída: 0 se só se escribiron liñas, 1 se un cálculo rematou
cunha mensaxe de erro, 2 se as opcións non son válidas.</translation>
    </message>
    <message>
        <source>Dibuja la gráfica de P(x) sin pantalla: con --salida la escribe en un archivo .svg o .png de 800x600 (o de --tamano ANCHOxALTO); con --descripcion escribe en la salida la descripción que lee un lector de pantalla.</source>
        <translation>Debuxa a gráfica de P(x) sen pantalla: con --salida escríbea nun ficheiro .svg ou .png de 800x600 (ou de --tamano LARGOxALTO); con --descripcion escribe na saída a descrición que le un lector de pantalla.</translation>
    </message>
    <message>
        <source>Escribe una hoja de N ejercicios (de 1 a 200) y después sus soluciones, cada una con su factorización y sus raíces. La misma --semilla da la misma hoja.</source>
        <translation>Escribe unha folla de N exercicios (de 1 a 200) e despois as súas solucións, cada unha coa súa factorización e as súas raíces. A mesma --semilla dá a mesma folla.</translation>
    </message>
    <message>
        <source>Abre la ventana «Hoja de ejercicios».</source>
        <translation>Abre a xanela «Folla de exercicios».</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FICHEIRO</translation>
    </message>
    <message>
        <source>ANCHOxALTO</source>
        <translation>LARGOxALTO</translation>
    </message>
    <message>
        <source>Con --grafica, el tamaño de la imagen en píxeles (800x600).</source>
        <translation>Con --grafica, o tamaño da imaxe en píxeles (800x600).</translation>
    </message>
    <message>
        <source>Con --grafica, escribe la descripción de la gráfica.</source>
        <translation>Con --grafica, escribe a descrición da gráfica.</translation>
    </message>
    <message>
        <source>Con --ejercicios, el grado de los polinomios, de 2 a 8 (3).</source>
        <translation>Con --ejercicios, o grao dos polinomios, de 2 a 8 (3).</translation>
    </message>
    <message>
        <source>Con --ejercicios, entre qué enteros están las raíces (-6..6).</source>
        <translation>Con --ejercicios, entre que enteiros están as raíces (-6..6).</translation>
    </message>
    <message>
        <source>Con --ejercicios, algunas raíces son p/q, con q de 2 a 4.</source>
        <translation>Con --ejercicios, algunhas raíces son p/q, con q de 2 a 4.</translation>
    </message>
    <message>
        <source>Con --ejercicios, un factor es de segundo grado sin raíces reales.</source>
        <translation>Con --ejercicios, un factor é de segundo grao sen raíces reais.</translation>
    </message>
    <message>
        <source>Con --ejercicios, la semilla de la hoja (un entero de 0 a 2^64-1).</source>
        <translation>Con --ejercicios, a semente da folla (un enteiro de 0 a 2^64-1).</translation>
    </message>
    <message>
        <source>Con --ejercicios, cada solución con su resolución paso a paso.</source>
        <translation>Con --ejercicios, cada solución coa súa resolución paso a paso.</translation>
    </message>
    <message>
        <source>FORMATO</source>
        <translation>FORMATO</translation>
    </message>
    <message>
        <source>Con --pasos, escribe la solución como un objeto JSON en una línea por polinomio.</source>
        <translation>Con --pasos, escribe a solución como un obxecto JSON nunha liña por polinomio.</translation>
    </message>
    <message>
        <source>--json solo acompaña a --pasos.</source>
        <translation>--json só acompaña a --pasos.</translation>
    </message>
    <message>
        <source>El archivo que escriben --grafica, --ejercicios y --pasos.</source>
        <translation>O ficheiro que escriben --grafica, --ejercicios e --pasos.</translation>
    </message>
    <message>
        <source>Con --ejercicios o --pasos, texto, json, html, latex o pdf; si no se indica, el de la terminación de --salida, y si no hay archivo, texto.</source>
        <translation>Con --ejercicios ou --pasos, texto, json, html, latex ou pdf; se non se indica, o da terminación de --salida, e se non hai ficheiro, texto.</translation>
    </message>
    <message>
        <source>Escribe la resolución paso a paso de TEXTO: el factor común, los candidatos probados con el teorema del resto, las tablas de Ruffini, la ecuación de segundo grado o bicuadrada que queda, las raíces con su multiplicidad y la factorización. Con --json, un objeto JSON por polinomio; con --formato o --salida, un documento (texto, JSON, HTML, LaTeX o PDF).</source>
        <translation>Escribe a resolución paso a paso de TEXTO: o factor común, os candidatos probados co teorema do resto, as táboas de Ruffini, a ecuación de segundo grao ou bicadrada que queda, as raíces coa súa multiplicidade e a factorización. Con --json, un obxecto JSON por polinomio; con --formato ou --salida, un documento (texto, JSON, HTML, LaTeX ou PDF).</translation>
    </message>
    <message>
        <source>--%1 se indica una sola vez.</source>
        <translation>--%1 indícase unha soa vez.</translation>
    </message>
</context>
<context>
    <name>ControlDesign</name>
    <message>
        <source>Polinomio</source>
        <translation>Polinomio</translation>
    </message>
    <message>
        <source>Descomposición(es)</source>
        <translation>Descomposición(s)</translation>
    </message>
    <message>
        <source>Créditos</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Saír</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Desplazar resultados</source>
        <translation>Desprazar resultados</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
</context>
<context>
    <name>DrawingOutput</name>
    <message>
        <source>--formato es texto, json, html, latex o pdf, no «%1».</source>
        <translation>--formato é texto, json, html, latex ou pdf, non «%1».</translation>
    </message>
    <message>
        <source>no se sabe en qué formato escribir «%1»: indique --formato.</source>
        <translation>non se sabe en que formato escribir «%1»: indique --formato.</translation>
    </message>
    <message>
        <source>un PDF se escribe en un archivo: indique --salida ARCHIVO.pdf.</source>
        <translation>un PDF escríbese nun ficheiro: indique --salida FICHEIRO.pdf.</translation>
    </message>
</context>
<context>
    <name>DrawingProgram</name>
    <message>
        <source>factorix: no se pudo iniciar %1: %2.</source>
        <translation>factorix: non se puido iniciar %1: %2.</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <source>Error de cálculo.</source>
        <translation>Erro de cálculo.</translation>
    </message>
    <message>
        <source>Se produjo un error. Revise el cálculo.</source>
        <translation>Produciuse un erro. Revise o cálculo.</translation>
    </message>
</context>
<context>
    <name>ExerciseSheetDialog</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Folla de exercicios</translation>
    </message>
    <message>
        <source>Con raíces fraccionarias (p/q, con q de 2 a 4)</source>
        <translation>Con raíces fraccionarias (p/q, con q de 2 a 4)</translation>
    </message>
    <message>
        <source>Con un factor de segundo grado sin raíces reales</source>
        <translation>Cun factor de segundo grao sen raíces reais</translation>
    </message>
    <message>
        <source>Soluciones con la resolución paso a paso</source>
        <translation>Solucións coa resolución paso a paso</translation>
    </message>
    <message>
        <source>Otra semilla</source>
        <translation>Outra semente</translation>
    </message>
    <message>
        <source>y</source>
        <translation>e</translation>
    </message>
    <message>
        <source>&amp;Número de ejercicios:</source>
        <translation>&amp;Número de exercicios:</translation>
    </message>
    <message>
        <source>&amp;Grado:</source>
        <translation>&amp;Grao:</translation>
    </message>
    <message>
        <source>&amp;Raíces enteras entre:</source>
        <translation>&amp;Raíces enteiras entre:</translation>
    </message>
    <message>
        <source>&amp;Semilla:</source>
        <translation>&amp;Semente:</translation>
    </message>
    <message>
        <source>Vista previa</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;Guardar…</source>
        <translation>&amp;Gardar…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>La semilla debe ser un número entero de 0 a 18446744073709551615.</source>
        <translation>A semente debe ser un número enteiro de 0 a 18446744073709551615.</translation>
    </message>
    <message>
        <source>No se pudo guardar la hoja en «%1»: %2</source>
        <translation>Non se puido gardar a folla en «%1»: %2</translation>
    </message>
    <message>
        <source>Guardar la hoja de ejercicios</source>
        <translation>Gardar a folla de exercicios</translation>
    </message>
    <message>
        <source>hoja-de-ejercicios.pdf</source>
        <translation>folla-de-exercicios.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;LaTeX (*.tex);;HTML (*.html);;Texto (*.txt);;JSON (*.json)</source>
        <translation>PDF (*.pdf);;LaTeX (*.tex);;HTML (*.html);;Texto (*.txt);;JSON (*.json)</translation>
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
        <translation>Folla de exercicios</translation>
    </message>
    <message>
        <source>Grado %1 · raíces entre %2 y %3</source>
        <translation>Grao %1 · raíces entre %2 e %3</translation>
    </message>
    <message>
        <source> · con raíces fraccionarias</source>
        <translation> · con raíces fraccionarias</translation>
    </message>
    <message>
        <source> · con un factor de segundo grado sin raíces reales</source>
        <translation> · cun factor de segundo grao sen raíces reais</translation>
    </message>
    <message>
        <source> · semilla %1</source>
        <translation> · semente %1</translation>
    </message>
    <message>
        <source>Factoriza y halla las raíces de cada polinomio.</source>
        <translation>Factoriza e acha as raíces de cada polinomio.</translation>
    </message>
    <message>
        <source>%1. P(x) = %2</source>
        <translation>%1. P(x) = %2</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Solucións</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Factorización: %1</translation>
    </message>
    <message>
        <source>Raíces: %1</source>
        <translation>Raíces: %1</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>Sitio web: %1</source>
        <translation>Sitio web: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Correo electrónico: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Escriba aquí un polinomio</source>
        <translation>Escriba aquí un polinomio</translation>
    </message>
    <message>
        <source>Encabezado de los resultados</source>
        <translation>Cabeceira dos resultados</translation>
    </message>
    <message>
        <source>Desplazamiento de los resultados</source>
        <translation>Desprazamento dos resultados</translation>
    </message>
    <message>
        <source>Desplazar a la izquierda</source>
        <translation>Desprazar á esquerda</translation>
    </message>
    <message>
        <source>Desplazar a la derecha</source>
        <translation>Desprazar á dereita</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>¿Está seguro de querer salir?</source>
        <translation>Seguro que quere saír?</translation>
    </message>
    <message>
        <source>No se pudo abrir el navegador.

La dirección %1 se ha copiado al portapapeles.</source>
        <translation>Non se puido abrir o navegador.

O enderezo %1 copiouse no portapapeis.</translation>
    </message>
</context>
<context>
    <name>Form1Design</name>
    <message>
        <source>EL POLINOMIO SE PUEDE DESCOMPONER EN:</source>
        <extracomment>The heading is a formula pad&apos;s text: capitals, spaces and punctuation only, since the pad reads &quot;e&quot;, &quot;r&quot;, &quot;s&quot; and &quot;;&quot; as its own marks.</extracomment>
        <translation>O POLINOMIO PÓDESE DESCOMPOÑER EN:</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Texto de ayuda</source>
        <translation>Texto de axuda</translation>
    </message>
</context>
<context>
    <name>Form2Design</name>
    <message>
        <source>Ayuda</source>
        <translation>Axuda</translation>
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
        <translation>Para introducir un polinomio na caixa de introdución, 
pode facer o seguinte:
· Para introducir números, use os números do teclado 
alfanumérico.
· Para introducir signos use, neste caso, o &quot;+&quot; e o &quot;-&quot; 
do teclado numérico.
· Para introducir a &quot;x&quot;, prema a &quot;x&quot; no teclado 
alfanumérico.
· Para introducir potencias, manteña premida Maiús (frecha 
de maiúsculas) e sen soltala prema o número desexado no 
teclado alfanumérico.

Para calcular as descomposicións posibles, faga clic 
en &quot;Calcular&quot;. Segundo a potencia do seu computador, 
tardará máis ou menos tempo en realizar o cálculo. Unha 
vez rematado mostraralle as posibles descomposicións 
do polinomio.

IMPORTANTE: Debe introducir o polinomio na caixa 
de cálculo ORDENADO decrecentemente. Tamén é 
necesario, no caso de que falte un monomio dentro do 
polinomio, completalo con +0x^n.
Ex.: 3x^3-6 deberá completarse así:
      3x^3+0x^2+0x-6</translation>
    </message>
    <message>
        <source>Ayuda del programa de Factorix</source>
        <translation>Axuda do programa Factorix</translation>
    </message>
</context>
<context>
    <name>FormulaPad</name>
    <message>
        <source>Modo de utilización</source>
        <translation>Modo de uso</translation>
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
        <translation>%1, recortada</translation>
    </message>
</context>
<context>
    <name>GraphCommand</name>
    <message>
        <source>--%1 no es una opción de --grafica.</source>
        <translation>--%1 non é unha opción de --grafica.</translation>
    </message>
    <message>
        <source>indique un solo TEXTO y una sola --salida.</source>
        <translation>indique un só TEXTO e unha soa --salida.</translation>
    </message>
    <message>
        <source>indique --salida ARCHIVO.svg o ARCHIVO.png, o --descripcion.</source>
        <translation>indique --salida FICHEIRO.svg ou FICHEIRO.png, ou --descripcion.</translation>
    </message>
    <message>
        <source>la gráfica se escribe en un archivo .svg o .png, no en «%1».</source>
        <translation>a gráfica escríbese nun ficheiro .svg ou .png, non en «%1».</translation>
    </message>
    <message>
        <source>--tamano es ANCHOxALTO en píxeles, de %1 a %2 cada uno (800x600).</source>
        <translation>--tamano é LARGOxALTO en píxeles, de %1 a %2 cada un (800x600).</translation>
    </message>
    <message>
        <source>el texto no es una suma de términos en x; no hay gráfica que dar.</source>
        <translation>o texto non é unha suma de termos en x; non hai gráfica que dar.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>non se puido escribir «%1»: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>non se puido escribir a saída.</translation>
    </message>
    <message>
        <source>este polinomio es demasiado grande para dibujarlo: grado 400 como máximo, raíces de valor absoluto menor que 10³⁰⁰ y un segundo de cálculo.</source>
        <translation>este polinomio é demasiado grande para debuxalo: grao 400 como máximo, raíces de valor absoluto menor que 10³⁰⁰ e un segundo de cálculo.</translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>Gráfica de P(x) en [%1; %2]</source>
        <translation>Gráfica de P(x) en [%1; %2]</translation>
    </message>
    <message>
        <source>%1; coincide con el eje X</source>
        <translation>%1; coincide co eixo X</translation>
    </message>
    <message>
        <source>%1; no corta el eje X</source>
        <translation>%1; non corta o eixo X</translation>
    </message>
    <message>
        <source>%1; corta el eje X en %2</source>
        <translation>%1; corta o eixo X en %2</translation>
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
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>GraphImage</name>
    <message>
        <source>Gráfica</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>no se pudo escribir la imagen</source>
        <translation>non se puido escribir a imaxe</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Gráfica</source>
        <translation>Gráfica</translation>
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
        <translation>%1: o texto non é un polinomio en x: </translation>
    </message>
    <message>
        <source>termina antes de completarse.</source>
        <translation>remata antes de completarse.</translation>
    </message>
    <message>
        <source>no se puede leer %1 (carácter %2).</source>
        <translation>non se pode ler %1 (carácter %2).</translation>
    </message>
</context>
<context>
    <name>PolynomialPaste</name>
    <message>
        <source>Ctrl+V o Mayús+Insert: pegar un polinomio
Ctrl+Insert: copiar la fórmula como se ve</source>
        <translation>Ctrl+V ou Maiús+Insert: pegar un polinomio
Ctrl+Insert: copiar a fórmula tal como se ve</translation>
    </message>
    <message>
        <source>El portapapeles no contiene un polinomio en x.</source>
        <translation>O portapapeis non contén un polinomio en x.</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Pegar</translation>
    </message>
</context>
<context>
    <name>ResultList</name>
    <message>
        <source>Resultados</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Resultado %1</source>
        <translation>Resultado %1</translation>
    </message>
    <message>
        <source>Líneas de resultado</source>
        <translation>Liñas de resultado</translation>
    </message>
</context>
<context>
    <name>ResultsNotice</name>
    <message>
        <source>Ningún resultado</source>
        <translation>Ningún resultado</translation>
    </message>
    <message>
        <source>1 resultado</source>
        <translation>1 resultado</translation>
    </message>
    <message>
        <source>%1 resultados</source>
        <translation>%1 resultados</translation>
    </message>
</context>
<context>
    <name>RuffiniTableModel</name>
    <message>
        <source>Dividendo</source>
        <translation>Dividendo</translation>
    </message>
    <message>
        <source>Productos</source>
        <translation>Produtos</translation>
    </message>
    <message>
        <source>Cociente y resto</source>
        <translation>Cociente e resto</translation>
    </message>
    <message>
        <source>Raíz</source>
        <translation>Raíz</translation>
    </message>
    <message>
        <source>término independiente</source>
        <translation>termo independente</translation>
    </message>
</context>
<context>
    <name>SheetBuilder</name>
    <message>
        <source>División entre (%1)</source>
        <translation>División entre (%1)</translation>
    </message>
    <message>
        <source>Factor común</source>
        <translation>Factor común</translation>
    </message>
    <message>
        <source>Raíces</source>
        <translation>Raíces</translation>
    </message>
    <message>
        <source>Factorización</source>
        <translation>Factorización</translation>
    </message>
</context>
<context>
    <name>SheetCommand</name>
    <message>
        <source>--ejercicios necesita un número de ejercicios, de 1 a 200.</source>
        <translation>--ejercicios necesita un número de exercicios, de 1 a 200.</translation>
    </message>
    <message>
        <source>--grado necesita un número, de 2 a 8.</source>
        <translation>--grado necesita un número, de 2 a 8.</translation>
    </message>
    <message>
        <source>--raices es A..B, dos enteros, por ejemplo --raices=-6..6.</source>
        <translation>--raices é A..B, dous enteiros, por exemplo --raices=-6..6.</translation>
    </message>
    <message>
        <source>--semilla necesita un entero de 0 a 18446744073709551615.</source>
        <translation>--semilla necesita un enteiro de 0 a 18446744073709551615.</translation>
    </message>
    <message>
        <source>--%1 no es una opción de --ejercicios.</source>
        <translation>--%1 non é unha opción de --ejercicios.</translation>
    </message>
    <message>
        <source>--%1 se indica una sola vez.</source>
        <translation>--%1 indícase unha soa vez.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>non se puido escribir «%1»: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>non se puido escribir a saída.</translation>
    </message>
    <message>
        <source>--hoja abre la ventana y no lleva más opciones.</source>
        <translation>--hoja abre a xanela e non leva máis opcións.</translation>
    </message>
    <message>
        <source>indique la orden de esta opción: --grafica TEXTO o --ejercicios N.</source>
        <translation>indique a orde desta opción: --grafica TEXTO ou --ejercicios N.</translation>
    </message>
</context>
<context>
    <name>SheetProblemText</name>
    <message>
        <source>El número de ejercicios debe estar entre 1 y 200.</source>
        <translation>O número de exercicios debe estar entre 1 e 200.</translation>
    </message>
    <message>
        <source>El grado debe estar entre 2 y 8.</source>
        <translation>O grao debe estar entre 2 e 8.</translation>
    </message>
    <message>
        <source>Las raíces deben estar entre −1000 y 1000, y el primer extremo no puede ser mayor que el segundo.</source>
        <translation>As raíces deben estar entre −1000 e 1000, e o primeiro extremo non pode ser maior ca o segundo.</translation>
    </message>
    <message>
        <source>Un factor de segundo grado sin raíces reales necesita grado 3 o más (4 o más con raíces fraccionarias).</source>
        <translation>Un factor de segundo grao sen raíces reais necesita grao 3 ou máis (4 ou máis con raíces fraccionarias).</translation>
    </message>
    <message>
        <source>Las raíces fraccionarias necesitan un intervalo de más de un número.</source>
        <translation>As raíces fraccionarias necesitan un intervalo de máis dun número.</translation>
    </message>
    <message>
        <source>Con estas opciones no hay %1 polinomios distintos.</source>
        <translation>Con estas opcións non hai %1 polinomios distintos.</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Resolución paso a paso</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copiar &amp;LaTeX</source>
        <translation>Copiar &amp;LaTeX</translation>
    </message>
    <message>
        <source>&amp;Guardar…</source>
        <translation>&amp;Gardar…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
</context>
<context>
    <name>SolutionDocument</name>
    <message>
        <source>la resolución no se escribe en JSON desde la hoja.</source>
        <translation>a resolución non se escribe en JSON desde a folla.</translation>
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
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <source>Guardar la resolución</source>
        <translation>Gardar a resolución</translation>
    </message>
    <message>
        <source>resolucion.pdf</source>
        <translation>resolucion.pdf</translation>
    </message>
    <message>
        <source>No se pudo guardar la resolución en «%1»: %2</source>
        <translation>Non se puido gardar a resolución en «%1»: %2</translation>
    </message>
    <message>
        <source>No se pudo imprimir la resolución.</source>
        <translation>Non se puido imprimir a resolución.</translation>
    </message>
</context>
<context>
    <name>SolutionOpener</name>
    <message>
        <source>Doble clic: resolución paso a paso</source>
        <translation>Dobre clic: resolución paso a paso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>SolutionPages</name>
    <message>
        <source>no se pudo dibujar el documento</source>
        <translation>non se puido debuxar o documento</translation>
    </message>
</context>
<context>
    <name>SolutionSheet</name>
    <message>
        <source>Gráfica</source>
        <translation>Gráfica</translation>
    </message>
</context>
<context>
    <name>SolutionText</name>
    <message>
        <source>Δ &gt; 0: dos soluciones reales distintas</source>
        <translation>Δ &gt; 0: dúas solucións reais distintas</translation>
    </message>
    <message>
        <source>Δ = 0: una solución doble</source>
        <translation>Δ = 0: unha solución dobre</translation>
    </message>
    <message>
        <source>Δ &lt; 0: la ecuación en t no tiene soluciones reales</source>
        <translation>Δ &lt; 0: a ecuación en t non ten solucións reais</translation>
    </message>
    <message>
        <source>Δ &gt; 0: dos raíces reales distintas</source>
        <translation>Δ &gt; 0: dúas raíces reais distintas</translation>
    </message>
    <message>
        <source>Δ = 0: una raíz doble</source>
        <translation>Δ = 0: unha raíz dobre</translation>
    </message>
    <message>
        <source>Δ &lt; 0: no tiene raíces reales</source>
        <translation>Δ &lt; 0: non ten raíces reais</translation>
    </message>
    <message>
        <source>doble</source>
        <translation>dobre</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>tripla</translation>
    </message>
    <message>
        <source>cuádruple</source>
        <translation>cuádrupla</translation>
    </message>
    <message>
        <source>multiplicidad %1</source>
        <translation>multiplicidade %1</translation>
    </message>
    <message numerus="yes">
        <source>… y %n candidatos más, con resto distinto de 0</source>
        <translation>
            <numerusform>… e %n candidato máis, con resto distinto de 0</numerusform>
            <numerusform>… e %n candidatos máis, con resto distinto de 0</numerusform>
        </translation>
    </message>
    <message>
        <source>t = x²: %1 = 0</source>
        <translation>t = x²: %1 = 0</translation>
    </message>
    <message>
        <source>%1 = 0 no tiene raíces racionales</source>
        <translation>%1 = 0 non ten raíces racionais</translation>
    </message>
    <message>
        <source>no tiene raíces reales</source>
        <translation>non ten raíces reais</translation>
    </message>
    <message numerus="yes">
        <source>%n raíces no reales</source>
        <translation>
            <numerusform>%n raíz non real</numerusform>
            <numerusform>%n raíces non reais</numerusform>
        </translation>
    </message>
    <message>
        <source>Sin raíces racionales, se factoriza sobre los enteros:</source>
        <translation>Sen raíces racionais, factorízase sobre os enteiros:</translation>
    </message>
    <message>
        <source>Raíces racionales</source>
        <translation>Raíces racionais</translation>
    </message>
    <message>
        <source>Raíces enteras</source>
        <translation>Raíces enteiras</translation>
    </message>
    <message>
        <source>Primer grado</source>
        <translation>Primeiro grao</translation>
    </message>
    <message>
        <source>Segundo grado</source>
        <translation>Segundo grao</translation>
    </message>
    <message>
        <source>Bicuadrada</source>
        <translation>Bicadrada</translation>
    </message>
    <message>
        <source>Raíces aproximadas</source>
        <translation>Raíces aproximadas</translation>
    </message>
    <message>
        <source>x = %1: resto %2</source>
        <translation>x = %1: resto %2</translation>
    </message>
    <message>
        <source>Raíces: todo número es raíz</source>
        <translation>Raíces: todo número é raíz</translation>
    </message>
    <message>
        <source>Raíces: no tiene</source>
        <translation>Raíces: non ten</translation>
    </message>
    <message>
        <source>Raíces: %1</source>
        <translation>Raíces: %1</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Factorización: %1</translation>
    </message>
    <message>
        <source>Factor común</source>
        <translation>Factor común</translation>
    </message>
</context>
<context>
    <name>StepsDocumentCommand</name>
    <message>
        <source>el texto no es una suma de términos en x; no hay pasos que dar.</source>
        <translation>o texto non é unha suma de termos en x; non hai pasos que dar.</translation>
    </message>
    <message>
        <source>--%1 no acompaña a --pasos con --formato o --salida.</source>
        <translation>--%1 non acompaña a --pasos con --formato ou --salida.</translation>
    </message>
    <message>
        <source>con --formato o --salida, indique un solo TEXTO (no «-»), un solo formato y una sola --salida.</source>
        <translation>con --formato ou --salida, indique un só TEXTO (non «-»), un só formato e unha soa --salida.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>non se puido escribir «%1»: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>non se puido escribir a saída.</translation>
    </message>
</context>
<context>
    <name>TextCommand</name>
    <message>
        <source>factorix: el texto no es una suma de términos en x; no hay factorización que dar.
Pruebe «factorix --help» para más información.</source>
        <translation>factorix: o texto non é unha suma de termos en x; non hai factorización que dar.
Probe «factorix --help» para máis información.</translation>
    </message>
</context>
<context>
    <name>TextRunner</name>
    <message>
        <source>%1: no se pudo leer la entrada estándar.
</source>
        <translation>%1: non se puido ler a entrada estándar.
</translation>
    </message>
</context>
<context>
    <name>WorkReport</name>
    <message>
        <source>Cociente: %1</source>
        <translation>Cociente: %1</translation>
    </message>
    <message>
        <source>Resto: %1</source>
        <translation>Resto: %1</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Factorización: %1</translation>
    </message>
</context>
<context>
    <name>pupupHelp</name>
    <message>
        <source>Símbolos permitidos:</source>
        <translation>Símbolos permitidos:</translation>
    </message>
    <message>
        <source>Números</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Operadores (+, -, *, /) [teclado numérico]</source>
        <translation>Operadores (+, -, *, /) [teclado numérico]</translation>
    </message>
    <message>
        <source>Paréntesis (pulsar Control-8 y Control-9)</source>
        <translation>Parénteses (premer Control-8 e Control-9)</translation>
    </message>
    <message>
        <source>Exponentes (pulsar Shift-Número)</source>
        <translation>Expoñentes (premer Maiús-Número)</translation>
    </message>
    <message>
        <source>Letras (a, b, c, m, k, x, y, z)</source>
        <translation>Letras (a, b, c, m, k, x, y, z)</translation>
    </message>
    <message>
        <source>Raíces (pulsar &quot;r&quot; para iniciarla y &quot;R&quot; para finalizarla)</source>
        <translation>Raíces (premer &quot;r&quot; para iniciala e &quot;R&quot; para rematala)</translation>
    </message>
    <message>
        <source>Manejo:</source>
        <translation>Manexo:</translation>
    </message>
    <message>
        <source>Desplazar cursor de inserción (cursor izquierdo y derecho)</source>
        <translation>Mover o cursor de inserción (cursor esquerdo e dereito)</translation>
    </message>
    <message>
        <source>Cambiar modo de inserción:</source>
        <translation>Cambiar o modo de inserción:</translation>
    </message>
    <message>
        <source>Insertar (Control-1) [teclado alfanumérico] {por defecto}</source>
        <translation>Inserir (Control-1) [teclado alfanumérico] {predeterminado}</translation>
    </message>
    <message>
        <source>Sobreescribir (Control-2) [teclado alfanumérico]</source>
        <translation>Sobrescribir (Control-2) [teclado alfanumérico]</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
