<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>lichtblauw</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>ivoorwit</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>oranje</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>geselecteerd</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>gemarkeerd</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>actief</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>rij %1, kolom %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Zetten: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Geen zetten!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Score: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Aantal kleuren</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 kleuren</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 kleuren</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 kleuren</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 kleuren</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 keer per seconde</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 keer per seconde</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 keer per seconde</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 keer per seconde</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 keer per seconde</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Actieve ballen gebruiken</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Actieve ballen bij elke zet</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatisch spelen</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symbolen op de ballen</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Het spel is afgelopen. Vernieuw de pagina om een nieuw spel te starten.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel is al geopend in een ander tabblad.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Spel hierheen verplaatsen</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Het spel kon niet worden geladen. Controleer je netwerkverbinding.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Opnieuw proberen</translation>
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
