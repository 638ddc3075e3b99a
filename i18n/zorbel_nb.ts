<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>rød</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>gul</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>grønn</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>lyseblå</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>blå</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>lilla</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>elfenbenshvit</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>oransje</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Spillebrett</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>valgt</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>merket</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>rad %1, kolonne %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Trekk: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Ingen trekk!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Poeng: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Poeng: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Spill</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Nytt spill</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Antall farger</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 farger</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 farger</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 farger</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 farger</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Hastighet</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 ganger i sekundet</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 ganger i sekundet</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 ganger i sekundet</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 ganger i sekundet</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 gang i sekundet</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Bruk aktive kuler</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktive kuler ved hvert trekk</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatisk spill</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symboler på kulene</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Spillet er over. Last inn siden på nytt for å starte et nytt spill.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel er allerede åpent i en annen fane.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Flytt spillet hit</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Kunne ikke laste inn spillet. Sjekk nettverkstilkoblingen.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Prøv igjen</translation>
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
