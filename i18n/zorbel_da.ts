<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="ru_RU">
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
        <translation>grøn</translation>
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
        <translation>elfenbenshvid</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Spillebræt</translation>
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
        <translation>markeret</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>række %1, kolonne %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Træk: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Ingen træk!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Point: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Point: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Spil</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Nyt spil</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Antal farver</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 farver</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 farver</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 farver</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 farver</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Hastighed</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 gange i sekundet</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 gange i sekundet</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 gange i sekundet</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 gange i sekundet</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 gang i sekundet</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Brug aktive kugler</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktive kugler ved hvert træk</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatisk spil</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symboler på kuglerne</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Spillet er slut. Genindlæs siden for at starte et nyt spil.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel er allerede åbent i en anden fane.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Flyt spillet hertil</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Spillet kunne ikke indlæses. Tjek din netværksforbindelse.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Prøv igen</translation>
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
