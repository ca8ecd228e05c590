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
        <source>Descompone un polinomio en x con coeficientes enteros por sus raíces enteras.
Sin opciones abre la ventana del programa.

TEXTO es el polinomio tal como lo guarda la casilla de fórmula (2xe3+0xe2+0x-16,
con «e» delante de cada cifra elevada) o tal como se ve (2x³+0x²+0x-16).

Estado de salida: 0 si solo se escribieron líneas, 1 si un cálculo terminó
con un mensaje de error, 2 si las opciones no son válidas.</source>
        <translation>Descompón un polinomio en x con coeficientes enteiros polas súas raíces enteiras.
Sen opcións abre a xanela do programa.

TEXTO é o polinomio tal como o garda a caixa de fórmula (2xe3+0xe2+0x-16,
con «e» diante de cada cifra elevada) ou tal como se ve (2x³+0x²+0x-16).

Estado de saída: 0 se só se escribiron liñas, 1 se un cálculo rematou
cunha mensaxe de erro, 2 se as opcións non son válidas.</translation>
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
· Para introducir signos use, neste caso, o "+" e o "-" 
do teclado numérico.
· Para introducir a "x", prema a "x" no teclado 
alfanumérico.
· Para introducir potencias, manteña premida Maiús (frecha 
de maiúsculas) e sen soltala prema o número desexado no 
teclado alfanumérico.

Para calcular as descomposicións posibles, faga clic 
en "Calcular". Segundo a potencia do seu computador, 
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
    <name>SolutionDialog</name>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Resolución paso a paso</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
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
    <name>SolutionSheet</name>
    <message>
        <source>Gráfica</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>División entre (%1)</source>
        <translation>División entre (%1)</translation>
    </message>
    <message>
        <source>Raíces enteras</source>
        <translation>Raíces enteiras</translation>
    </message>
    <message>
        <source>Cociente: %1
Resto: %2</source>
        <translation>Cociente: %1
Resto: %2</translation>
    </message>
    <message>
        <source>Factorización</source>
        <translation>Factorización</translation>
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
        <translation>Raíces (premer "r" para iniciala e "R" para rematala)</translation>
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
