<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>लाल</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>पीला</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>हरा</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>आसमानी</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>नीला</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>बैंगनी</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>आइवरी</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>नारंगी</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>गेम बोर्ड</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>खाली</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>चयनित</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>चिह्नित</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>सक्रिय</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>पंक्ति %1, स्तंभ %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>चालें: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>कोई चाल नहीं!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>स्कोर: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>स्कोर: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>गेम</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>नया गेम</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>संकेत</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>रंगों की संख्या</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 रंग</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 रंग</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 रंग</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 रंग</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>गति</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 बार प्रति सेकंड</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 बार प्रति सेकंड</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 बार प्रति सेकंड</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 बार प्रति सेकंड</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 बार प्रति सेकंड</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>सक्रिय गेंदों का उपयोग करें</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>हर चाल पर सक्रिय गेंदें</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>स्वचालित खेल</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>गेंदों पर प्रतीक</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>गेम खत्म हो गया। नया गेम शुरू करने के लिए पेज रीफ़्रेश करें।</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel पहले से ही किसी दूसरे टैब में खुला है।</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>गेम को यहाँ लाएँ</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>गेम लोड नहीं हो सका। अपना नेटवर्क कनेक्शन जाँचें।</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>फिर से कोशिश करें</translation>
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
