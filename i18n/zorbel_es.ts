<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>roja</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>celeste</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>marfil</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>seleccionada</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>marcada</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>activa</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Jugadas: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>¡Sin jugadas!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Puntos: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Número de colores</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 colores</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 colores</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 colores</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 colores</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 veces por segundo</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 veces por segundo</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 veces por segundo</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 veces por segundo</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 vez por segundo</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Usar bolas activas</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Bolas activas en cada jugada</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Símbolos en las bolas</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>La partida ha terminado. Para empezar una nueva, recarga la página.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel ya está abierto en otra pestaña.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Traer la partida aquí</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>No se pudo cargar el juego. Comprueba tu conexión a la red.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Зорбель</source>
        <translation>Zorbel</translation>
    </message>
</context>
</TS>
