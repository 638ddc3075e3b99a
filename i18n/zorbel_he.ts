<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>תכלת</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>סגול</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>שנהב</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>כתום</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>לוח המשחק</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>נבחר</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>מסומן</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>פעיל</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>שורה %1, עמודה %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>מהלכים: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>אין מהלכים!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>ניקוד: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>ניקוד: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>משחק</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>רמז</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>מספר צבעים</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 צבעים</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 צבעים</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 צבעים</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 צבעים</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>מהירות</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 פעמים בשנייה</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 פעמים בשנייה</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 פעמים בשנייה</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>פעמיים בשנייה</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>פעם בשנייה</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>שימוש בכדורים פעילים</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>כדורים פעילים בכל מהלך</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>משחק אוטומטי</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>סמלים על הכדורים</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>המשחק הסתיים. כדי להתחיל משחק חדש, יש לרענן את הדף.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>המשחק Zorbel כבר פתוח בכרטיסייה אחרת.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>העברת המשחק לכאן</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>לא ניתן לטעון את המשחק. יש לבדוק את החיבור לרשת.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>ניסיון חוזר</translation>
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
