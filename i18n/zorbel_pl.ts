<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>czerwona</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>żółta</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>zielona</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>błękitna</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>niebieska</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>purpurowa</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>kość słoniowa</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>pomarańczowa</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>wybrana</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>oznaczona</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktywna</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Ruchy: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Brak ruchów!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Wynik: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Liczba kolorów</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 kolorów</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 kolorów</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 kolorów</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 kolorów</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 razy na sekundę</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 razy na sekundę</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 razy na sekundę</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 razy na sekundę</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 raz na sekundę</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Włącz aktywne kulki</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktywne kulki w każdym ruchu</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Gra automatyczna</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symbole na kulkach</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Gra zakończona. Aby rozpocząć nową grę, odśwież stronę.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel jest już otwarty w innej karcie.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Przenieś grę tutaj</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Nie udało się wczytać gry. Sprawdź połączenie z siecią.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Spróbuj ponownie</translation>
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
