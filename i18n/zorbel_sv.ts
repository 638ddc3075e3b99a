<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>röd</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>gul</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>grön</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>ljusblå</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>blå</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>elfenbensvit</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Spelplan</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>vald</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>markerad</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>rad %1, kolumn %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Drag: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Inga drag!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Poäng: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Poäng: %1+</translation>
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
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Antal färger</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 färger</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 färger</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 färger</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 färger</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Hastighet</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 gånger per sekund</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 gånger per sekund</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 gånger per sekund</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 gånger per sekund</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 gång per sekund</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Använd aktiva kulor</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktiva kulor vid varje drag</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatiskt spel</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symboler på kulorna</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Spelet är slut. Ladda om sidan för att starta ett nytt spel.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel är redan öppet i en annan flik.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Flytta spelet hit</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Spelet kunde inte läsas in. Kontrollera nätverksanslutningen.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Försök igen</translation>
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
