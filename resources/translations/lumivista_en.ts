<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Accessible</name>
    <message>
        <source>Ход расчёта</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation>Picture</translation>
    </message>
</context>
<context>
    <name>ElectronTheory</name>
    <message>
        <source>де Бройль: λ = h / √(2 m e U (1 + e U / 2 m c²))</source>
        <translation>de Broglie: λ = h / √(2 m e U (1 + e U / 2 m c²))</translation>
    </message>
    <message>
        <source>Напряжение должно быть больше 0</source>
        <translation>Voltage must be greater than 0</translation>
    </message>
    <message>
        <source>U = %1 кВ: λ = %2 пм, без поправки %3 пм (%4 %)</source>
        <translation>U = %1 kV: λ = %2 pm, without correction %3 pm (%4 %)</translation>
    </message>
    <message>
        <source>Кольца r = K λ √N, N = 1…5 (простая кубическая решётка)</source>
        <translation>Rings r = K λ √N, N = 1…5 (simple cubic lattice)</translation>
    </message>
    <message>
        <source>радиусы, пикселей: %1</source>
        <translation>radii, pixels: %1</translation>
    </message>
</context>
<context>
    <name>FocalScene</name>
    <message>
        <source>Линза</source>
        <translation>Lens</translation>
    </message>
</context>
<context>
    <name>FocalTheory</name>
    <message>
        <source>Параллельный пучок под углом φ собирается в фокальной плоскости на высоте y = F tg φ</source>
        <translation>A parallel beam at angle φ converges in the focal plane at height y = F tg φ</translation>
    </message>
    <message>
        <source>F = %1 пикс. (%2), φ = %3°</source>
        <translation>F = %1 px (%2), φ = %3°</translation>
    </message>
    <message>
        <source>собирающая</source>
        <translation>converging</translation>
    </message>
    <message>
        <source>рассеивающая, фокус мнимый</source>
        <translation>diverging, virtual focus</translation>
    </message>
    <message>
        <source>|φ| &gt; %1°: приближение малых углов не выполняется, точка не отмечена</source>
        <translation>|φ| &gt; %1°: small-angle approximation does not hold, point not marked</translation>
    </message>
    <message>
        <source>F tg φ</source>
        <translation>F tg φ</translation>
    </message>
    <message>
        <source>y = %1 пикс. от оси</source>
        <translation>y = %1 px from the axis</translation>
    </message>
</context>
<context>
    <name>FraunhoferTheory</name>
    <message>
        <source>%1 (m = 1) = %2 мм, минимумов с каждой стороны: %3</source>
        <translation>%1 (m = 1) = %2 mm, minima on each side: %3</translation>
    </message>
    <message>
        <source>%1: дальше углы не малы, формула неверна, минимумы не отмечены</source>
        <translation>%1: beyond this, angles are not small, the formula is invalid, minima not marked</translation>
    </message>
    <message>
        <source>%1: минимумов на экране нет</source>
        <translation>%1: no minima on the screen</translation>
    </message>
    <message>
        <source>%1: дальше минимумы чаще 3 пикселей</source>
        <translation>%1: beyond this, minima are closer than 3 pixels</translation>
    </message>
    <message>
        <source>Минимумы: x = m λ L / a, y = m λ L / b</source>
        <translation>Minima: x = m λ L / a, y = m λ L / b</translation>
    </message>
    <message>
        <source>λ = %1 нм, L = %2 м, a = %3 м, b = %4 м</source>
        <translation>λ = %1 nm, L = %2 m, a = %3 m, b = %4 m</translation>
    </message>
</context>
<context>
    <name>FresnelScene</name>
    <message>
        <source>%1 мм</source>
        <translation>%1 mm</translation>
    </message>
</context>
<context>
    <name>FresnelTheory</name>
    <message>
        <source>Зон Френеля: m = r² (1/z₁ + 1/z₂) / λ; в центре I ~ sin²(π m / 2)</source>
        <translation>Fresnel zones: m = r² (1/z₁ + 1/z₂) / λ; at the centre I ~ sin²(π m / 2)</translation>
    </message>
    <message>
        <source>Нет отверстия или данные неверны</source>
        <translation>No aperture or invalid data</translation>
    </message>
    <message>
        <source>λ = %1 нм, z₁ = %2 м, z₂ = %3 м, r = %4…%5 м</source>
        <translation>λ = %1 nm, z₁ = %2 m, z₂ = %3 m, r = %4…%5 m</translation>
    </message>
    <message>
        <source>Отверстие не мало по сравнению с z₁, z₂: формула зон неприменима</source>
        <translation>The aperture is not small compared with z₁, z₂: the zone formula does not apply</translation>
    </message>
    <message>
        <source>Открыто зон: %1; в центре %2 (%3 от наибольшего)</source>
        <translation>Open zones: %1; at the centre %2 (%3 of maximum)</translation>
    </message>
    <message>
        <source>светло</source>
        <translation>bright</translation>
    </message>
    <message>
        <source>темно</source>
        <translation>dark</translation>
    </message>
    <message>
        <source>Линии: границы зон в отверстии, в масштабе графика</source>
        <translation>Lines: zone boundaries within the aperture, to the scale of the graph</translation>
    </message>
</context>
<context>
    <name>GratingPictures</name>
    <message>
        <source>Дифракционная решетка</source>
        <translation>Diffraction grating</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
</context>
<context>
    <name>GratingTheory</name>
    <message>
        <source>Решётка: d sin θ = m λ, d = 2000 нм; на экране (W − 350) · 0.4 · tg θ</source>
        <translation>Grating: d sin θ = m λ, d = 2000 nm; on the screen (W − 350) · 0.4 · tg θ</translation>
    </message>
    <message>
        <source>1-й и 2-й порядки не показаны</source>
        <translation>1st and 2nd orders not shown</translation>
    </message>
    <message>
        <source>Белый свет: отмечены 400, 500, 600 и 700 нм</source>
        <translation>White light: 400, 500, 600 and 700 nm marked</translation>
    </message>
    <message>
        <source>%1 нм, m = %2: sin θ &gt; 1, такого направления нет</source>
        <translation>%1 nm, m = %2: sin θ &gt; 1, no such direction</translation>
    </message>
    <message>
        <source>%1 нм, m = %2: θ = %3°</source>
        <translation>%1 nm, m = %2: θ = %3°</translation>
    </message>
    <message>
        <source>У источника нет линий в показанных порядках</source>
        <translation>The source has no lines in the orders shown</translation>
    </message>
</context>
<context>
    <name>HuygensTheory</name>
    <message>
        <source>Снеллиус: sin θ = n sin β; фронт перпендикулярен лучу</source>
        <translation>Snell: sin θ = n sin β; the wavefront is perpendicular to the ray</translation>
    </message>
    <message>
        <source>θ = %1°</source>
        <translation>θ = %1°</translation>
    </message>
    <message>
        <source>n = %1 &lt; sin θ: угла преломления нет</source>
        <translation>n = %1 &lt; sin θ: no refraction angle</translation>
    </message>
    <message>
        <source>n = %1: β = %2°</source>
        <translation>n = %1: β = %2°</translation>
    </message>
</context>
<context>
    <name>InterferenceScheme</name>
    <message>
        <source>Точечный источник, две щели, экран</source>
        <translation>Point source, two slits, screen</translation>
    </message>
    <message>
        <source>экран</source>
        <translation>screen</translation>
    </message>
    <message>
        <source>Усиление</source>
        <translation>Constructive</translation>
    </message>
    <message>
        <source>Ослабление</source>
        <translation>Destructive</translation>
    </message>
    <message>
        <source>Схема опыта с двумя щелями</source>
        <translation>Double-slit experiment</translation>
    </message>
</context>
<context>
    <name>InterferenceTheory</name>
    <message>
        <source>Два источника: максимумы при r₁ − r₂ = m λ (линии), при малых углах y = m λ L / d (+)</source>
        <translation>Two sources: maxima at r₁ − r₂ = m λ (lines), for small angles y = m λ L / d (+)</translation>
    </message>
    <message>
        <source>%1 одинаковых источников: главные максимумы d sin θ = m λ (линии), при малых углах y = m λ L / d (+)</source>
        <translation>%1 identical sources: principal maxima d sin θ = m λ (lines), for small angles y = m λ L / d (+)</translation>
    </message>
    <message>
        <source>λ = %1 нм, L = %2 м, d = %3 мм</source>
        <translation>λ = %1 nm, L = %2 m, d = %3 mm</translation>
    </message>
    <message>
        <source>m = 1: y = %1 мм, малые углы: %2 мм</source>
        <translation>m = 1: y = %1 mm, small angles: %2 mm</translation>
    </message>
    <message>
        <source>С m = %1 малые углы расходятся с точным больше 1 %: + не ставится</source>
        <translation>From m = %1 the small-angle value differs from the exact one by more than 1 %: no + marked</translation>
    </message>
    <message>
        <source>Максимумов на экране слишком много, чтобы их отметить</source>
        <translation>Too many maxima on the screen to mark them</translation>
    </message>
    <message>
        <source>Нет источников</source>
        <translation>No sources</translation>
    </message>
    <message>
        <source>Один источник: интерференции нет</source>
        <translation>One source: no interference</translation>
    </message>
    <message>
        <source>Источники не одинаковы или не равноотстоят: простой формулы нет</source>
        <translation>Sources are not identical or not equally spaced: no simple formula</translation>
    </message>
</context>
<context>
    <name>LensScene</name>
    <message>
        <source>П</source>
        <translation>O</translation>
    </message>
    <message>
        <source>И</source>
        <translation>I</translation>
    </message>
</context>
<context>
    <name>LensTheory</name>
    <message>
        <source>Тонкая линза: 1/d + 1/f = D, увеличение Γ = −f / d</source>
        <translation>Thin lens: 1/d + 1/f = D, magnification Γ = −f / d</translation>
    </message>
    <message>
        <source>D, d и h должны быть не равны 0</source>
        <translation>D, d and h must be non-zero</translation>
    </message>
    <message>
        <source>D = %1 дптр (F = %2 см), d = %3 см, h = %4 см</source>
        <translation>D = %1 D (F = %2 cm), d = %3 cm, h = %4 cm</translation>
    </message>
    <message>
        <source>Предмет в фокусе: изображение в бесконечности</source>
        <translation>Object at the focus: image at infinity</translation>
    </message>
    <message>
        <source>f = %1 см (%2), Γ = %3, h&apos; = %4 см</source>
        <translation>f = %1 cm (%2), Γ = %3, h&apos; = %4 cm</translation>
    </message>
    <message>
        <source>мнимое</source>
        <translation>virtual</translation>
    </message>
    <message>
        <source>действительное</source>
        <translation>real</translation>
    </message>
    <message>
        <source>И (теория)</source>
        <translation>I (theory)</translation>
    </message>
    <message>
        <source>Наклонный предмет: h&apos; = |Γ| h верно только для a = 90°</source>
        <translation>Tilted object: h&apos; = |Γ| h holds only for a = 90°</translation>
    </message>
</context>
<context>
    <name>MirrorTheory</name>
    <message>
        <source>S&apos;</source>
        <translation>S&apos;</translation>
    </message>
    <message>
        <source>Изображение симметрично предмету: x&apos; = 2a − x, y&apos; = y</source>
        <translation>The image is symmetric to the object: x&apos; = 2a − x, y&apos; = y</translation>
    </message>
    <message>
        <source>a = %1, лампа (%2, %3): изображение (%4, %5)</source>
        <translation>a = %1, lamp (%2, %3): image (%4, %5)</translation>
    </message>
    <message>
        <source>Угол падения равен углу отражения: лучи отражаются при y = %1 и %2</source>
        <translation>Angle of incidence equals angle of reflection: rays reflect at y = %1 and %2</translation>
    </message>
</context>
<context>
    <name>NewtonScene</name>
    <message>
        <source>Прибор для наблюдения колец</source>
        <translation>Apparatus for viewing the rings</translation>
    </message>
    <message>
        <source>Схема образования колец Ньютона</source>
        <translation>How Newton&apos;s rings are formed</translation>
    </message>
    <message>
        <source>%1 нм</source>
        <translation>%1 nm</translation>
    </message>
</context>
<context>
    <name>NewtonTheory</name>
    <message>
        <source>Тёмные кольца: r = √(m λ R), светлые: r = √((m − ½) λ R)</source>
        <translation>Dark rings: r = √(m λ R), bright: r = √((m − ½) λ R)</translation>
    </message>
    <message>
        <source>λ = %1 нм, R = %2 м</source>
        <translation>λ = %1 nm, R = %2 m</translation>
    </message>
    <message>
        <source>Нет колец при этих данных</source>
        <translation>No rings with these data</translation>
    </message>
    <message>
        <source>тёмные (○), мм: %1</source>
        <translation>dark (○), mm: %1</translation>
    </message>
    <message>
        <source>светлые (+), мм: %1</source>
        <translation>bright (+), mm: %1</translation>
    </message>
    <message>
        <source>В центре тёмное пятно: при отражении от пластинки теряется полволны</source>
        <translation>Dark spot at the centre: half a wave is lost on reflection from the plate</translation>
    </message>
    <message>
        <source>Дальше от центра r ≪ R не выполняется: кольца не отмечены</source>
        <translation>Farther from the centre r ≪ R does not hold: rings not marked</translation>
    </message>
    <message>
        <source>Дальше кольца чаще 2 пикселей: не отмечены</source>
        <translation>Farther out, rings are closer than 2 pixels: not marked</translation>
    </message>
</context>
<context>
    <name>PolarisationTheory</name>
    <message>
        <source>Малюс: I = I₀ cos² θ, I₀ = 0.5 (за первым поляризатором)</source>
        <translation>Malus: I = I₀ cos² θ, I₀ = 0.5 (after the first polariser)</translation>
    </message>
    <message>
        <source>θ = %1°: I / I₀ = %2, I = %3</source>
        <translation>θ = %1°: I / I₀ = %2, I = %3</translation>
    </message>
    <message>
        <source>cos² θ</source>
        <translation>cos² θ</translation>
    </message>
    <message>
        <source>Брюстер: tg αБ = n; r∥ = tg(α − β) / tg(α + β), r⊥ = sin(α − β) / sin(α + β)</source>
        <translation>Brewster: tg αB = n; r∥ = tg(α − β) / tg(α + β), r⊥ = sin(α − β) / sin(α + β)</translation>
    </message>
    <message>
        <source>Показатели преломления должны быть больше 0</source>
        <translation>Refractive indices must be greater than 0</translation>
    </message>
    <message>
        <source>n∥ = %1, n⊥ = %2: αБ = arctg n∥ = %3°</source>
        <translation>n∥ = %1, n⊥ = %2: αB = arctg n∥ = %3°</translation>
    </message>
    <message>
        <source>При α = %1° sin α &gt; n: преломлённой волны нет</source>
        <translation>At α = %1° sin α &gt; n: no refracted wave</translation>
    </message>
    <message>
        <source>α = %1°: r∥ = %2, r⊥ = %3</source>
        <translation>α = %1°: r∥ = %2, r⊥ = %3</translation>
    </message>
    <message>
        <source>Пластинка: Δφ = 2π (Ky − Kx) d / λ</source>
        <translation>Plate: Δφ = 2π (Ky − Kx) d / λ</translation>
    </message>
    <message>
        <source>Падающая волна</source>
        <translation>Incident wave</translation>
    </message>
    <message>
        <source>λ должна быть больше 0</source>
        <translation>λ must be greater than 0</translation>
    </message>
    <message>
        <source>линейная</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>круговая</source>
        <translation>circular</translation>
    </message>
    <message>
        <source>эллиптическая</source>
        <translation>elliptical</translation>
    </message>
    <message>
        <source>Δφ = %1°, с начальной f: Y опережает X на %2°</source>
        <translation>Δφ = %1°, with initial f: Y leads X by %2°</translation>
    </message>
    <message>
        <source>Y опережает X на f = %1°</source>
        <translation>Y leads X by f = %1°</translation>
    </message>
    <message>
        <source>Поляризация: %1</source>
        <translation>Polarisation: %1</translation>
    </message>
</context>
<context>
    <name>PrismTheory</name>
    <message>
        <source>Призма A = 60°: отклонение δ = i₁ + γ − A (закон Снеллиуса на гранях)</source>
        <translation>Prism A = 60°: deviation δ = i₁ + γ − A (Snell&apos;s law at the faces)</translation>
    </message>
    <message>
        <source>Нет луча: n &lt; 1 или лампа не слева от призмы</source>
        <translation>No ray: n &lt; 1 or the lamp is not to the left of the prism</translation>
    </message>
    <message>
        <source>n = %1, D = %2, i₁ = %3°</source>
        <translation>n = %1, D = %2, i₁ = %3°</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>red</translation>
    </message>
    <message>
        <source>фиолетовый</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>%1 (n = %2): δ = %3°</source>
        <translation>%1 (n = %2): δ = %3°</translation>
    </message>
    <message>
        <source>%1 (n = %2): полное внутреннее отражение</source>
        <translation>%1 (n = %2): total internal reflection</translation>
    </message>
    <message>
        <source>к</source>
        <translation>r</translation>
    </message>
    <message>
        <source>ф</source>
        <translation>v</translation>
    </message>
    <message>
        <source>δmin = 2 arcsin(n sin 30°) − A = %1° при i₁ = %2°</source>
        <translation>δmin = 2 arcsin(n sin 30°) − A = %1° at i₁ = %2°</translation>
    </message>
</context>
<context>
    <name>RefractionTheory</name>
    <message>
        <source>Снеллиус: n₁ sin α = n₂ sin β; αкр = arcsin(n₂/n₁), αБ = arctg(n₂/n₁)</source>
        <translation>Snell: n₁ sin α = n₂ sin β; αc = arcsin(n₂/n₁), αB = arctg(n₂/n₁)</translation>
    </message>
    <message>
        <source>Показатели преломления должны быть больше 0</source>
        <translation>Refractive indices must be greater than 0</translation>
    </message>
    <message>
        <source>n₁ = %1, n₂ = %2, α = %3°</source>
        <translation>n₁ = %1, n₂ = %2, α = %3°</translation>
    </message>
    <message>
        <source>sin β = n₁ sin α / n₂ &gt; 1: полное внутреннее отражение, преломлённого луча нет; R = 100 %</source>
        <translation>sin β = n₁ sin α / n₂ &gt; 1: total internal reflection, no refracted ray; R = 100 %</translation>
    </message>
    <message>
        <source>β</source>
        <translation>β</translation>
    </message>
    <message>
        <source>β = %1°; Rs = %2 %, Rp = %3 %, Ts = %4 %, Tp = %5 %</source>
        <translation>β = %1°; Rs = %2 %, Rp = %3 %, Ts = %4 %, Tp = %5 %</translation>
    </message>
    <message>
        <source>αкр</source>
        <translation>αc</translation>
    </message>
    <message>
        <source>αкр = %1°</source>
        <translation>αc = %1°</translation>
    </message>
    <message>
        <source>n₁ ≤ n₂: критического угла нет</source>
        <translation>n₁ ≤ n₂: no critical angle</translation>
    </message>
    <message>
        <source>αБ</source>
        <translation>αB</translation>
    </message>
    <message>
        <source>αБ = %1° (Rp = 0)</source>
        <translation>αB = %1° (Rp = 0)</translation>
    </message>
</context>
<context>
    <name>TBrewsterPicture</name>
    <message>
        <source>α = %1°, β∥ = %2°, β⊥ = %3°</source>
        <translation>α = %1°, β∥ = %2°, β⊥ = %3°</translation>
    </message>
    <message>
        <source>отражается %1, проходит %2</source>
        <translation>reflected %1, transmitted %2</translation>
    </message>
</context>
<context>
    <name>TElectronPicture</name>
    <message>
        <source>r = %1 пикс.</source>
        <translation>r = %1 px</translation>
    </message>
    <message>
        <source>попаданий в кольце: %1</source>
        <translation>hits in the ring: %1</translation>
    </message>
    <message>
        <source>r (пикс.),попаданий</source>
        <translation>r (px),hits</translation>
    </message>
</context>
<context>
    <name>TFocalPicture</name>
    <message>
        <source>от линзы: %1 пикс.</source>
        <translation>from the lens: %1 px</translation>
    </message>
    <message>
        <source>высота: %1 пикс.</source>
        <translation>height: %1 px</translation>
    </message>
    <message>
        <source>F = %1 пикс.</source>
        <translation>F = %1 px</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Построение изображения в линзе</source>
        <translation>Image formed by a lens</translation>
    </message>
    <message>
        <source>Дисперсия луча света в призме</source>
        <translation>Dispersion of light in a prism</translation>
    </message>
    <message>
        <source>Преломление света на границе сред</source>
        <translation>Refraction at a boundary</translation>
    </message>
    <message>
        <source>Отражение света. Построение изображения в зеркале.</source>
        <translation>Reflection. The image in a mirror.</translation>
    </message>
    <message>
        <source>Фокусное расстояние линзы.</source>
        <translation>Focal length of a lens.</translation>
    </message>
    <message>
        <source>Спектрометр на дифракционной решетке</source>
        <translation>Diffraction grating spectrometer</translation>
    </message>
    <message>
        <source>Дифракция Фраунгофера</source>
        <translation>Fraunhofer diffraction</translation>
    </message>
    <message>
        <source>Дифракция Френеля</source>
        <translation>Fresnel diffraction</translation>
    </message>
    <message>
        <source>Поляризация волны</source>
        <translation>Polarisation of a wave</translation>
    </message>
    <message>
        <source>Интерференция от точечных источников</source>
        <translation>Interference from point sources</translation>
    </message>
    <message>
        <source>Кольца Ньютона</source>
        <translation>Newton&apos;s rings</translation>
    </message>
    <message>
        <source>Дифракция. Основные черты и закономерности.</source>
        <translation>Diffraction. Main features and laws.</translation>
    </message>
    <message>
        <source>Поляризация света при отражении и преломлении</source>
        <translation>Polarisation at reflection and refraction</translation>
    </message>
    <message>
        <source>Преломление по принципу Гюйгенса</source>
        <translation>Refraction by Huygens&apos; principle</translation>
    </message>
    <message>
        <source>Закон Малюса</source>
        <translation>Malus&apos;s law</translation>
    </message>
    <message>
        <source>Дифракция микрочастиц</source>
        <translation>Diffraction of microparticles</translation>
    </message>
    <message>
        <source>Рентгеновские спектры</source>
        <translation>X-ray spectra</translation>
    </message>
    <message>
        <source>Демонстрации</source>
        <translation>Demonstrations</translation>
    </message>
    <message>
        <source>Лумивиста: демонстрации по физике</source>
        <translation>Lumivista: physics demonstrations</translation>
    </message>
    <message>
        <source>Оптика и атомная физика</source>
        <translation>Optics and atomic physics</translation>
    </message>
    <message>
        <source>Авторы: команда проекта Lumivista</source>
        <translation>Authors: the Lumivista team</translation>
    </message>
    <message>
        <source>Сайт: lumivista.example</source>
        <translation>Site: lumivista.example</translation>
    </message>
    <message>
        <source>Справка по программе</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Выход из программы</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Масштаб: %1</source>
        <translation>Scale: %1</translation>
    </message>
    <message>
        <source>Не удалось перезапустить программу.</source>
        <translation>Could not restart the program.</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Дифракция Френеля</source>
        <translation>Fresnel diffraction</translation>
    </message>
    <message>
        <source>Дифракционная картина Френеля от круглого отверстия; строится кнопкой «Построить».</source>
        <translation>Fresnel diffraction pattern of a circular aperture; drawn with the “Build” button.</translation>
    </message>
    <message>
        <source>Картинка</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Нажмите «Построить»</source>
        <translation>Press “Build”</translation>
    </message>
    <message>
        <source>Длина волны</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>нм</source>
        <translation>nm</translation>
    </message>
    <message>
        <source>Источник-отверстие:</source>
        <translation>Source to aperture:</translation>
    </message>
    <message>
        <source>Отверстие-экран</source>
        <translation>Aperture to screen</translation>
    </message>
    <message>
        <source>Внутр. рад. отверстия:</source>
        <translation>Inner aperture radius:</translation>
    </message>
    <message>
        <source>Внешн. рад. отверстия:</source>
        <translation>Outer aperture radius:</translation>
    </message>
    <message>
        <source>Радиус экрана</source>
        <translation>Screen radius</translation>
    </message>
    <message>
        <source>Радиальное разбиение</source>
        <translation>Radial steps</translation>
    </message>
    <message>
        <source>Тангенциальное:</source>
        <translation>Tangential:</translation>
    </message>
    <message>
        <source>Включить цвета</source>
        <translation>Show colours</translation>
    </message>
    <message>
        <source>Контур объекта</source>
        <translation>Object outline</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Длина волны должна быть больше нуля.</source>
        <translation>The wavelength must be greater than zero.</translation>
    </message>
    <message>
        <source>Расстояние от источника до отверстия должно быть больше нуля.</source>
        <translation>The distance from the source to the aperture must be greater than zero.</translation>
    </message>
    <message>
        <source>Расстояние от источника до экрана должно быть больше нуля.</source>
        <translation>The distance from the source to the screen must be greater than zero.</translation>
    </message>
    <message>
        <source>Радиус экрана должен быть больше нуля.</source>
        <translation>The screen radius must be greater than zero.</translation>
    </message>
    <message>
        <source>Разбиение должно быть не меньше 1.</source>
        <translation>The number of steps must be at least 1.</translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>Поляризация волн. Прохождение волны через анизотропную среду.</source>
        <translation>Polarisation of waves. A wave passing through an anisotropic medium.</translation>
    </message>
    <message>
        <source>Волна, проходящая через анизотропную пластинку; параметры задаются справа.</source>
        <translation>A wave passing through an anisotropic plate; the parameters are set on the right.</translation>
    </message>
    <message>
        <source>Анимированные схемы</source>
        <translation>Animated diagrams</translation>
    </message>
    <message>
        <source>Плоскополяризованная электромагнитная волна:</source>
        <translation>Plane-polarised electromagnetic wave:</translation>
    </message>
    <message>
        <source>Частные случаи эллиптической поляризации:</source>
        <translation>Special cases of elliptical polarisation:</translation>
    </message>
    <message>
        <source>Линейная:</source>
        <translation>Linear:</translation>
    </message>
    <message>
        <source>Круговая:</source>
        <translation>Circular:</translation>
    </message>
    <message>
        <source>Прохождение плоскополяризованного света через поляризатор:</source>
        <translation>Plane-polarised light passing through a polariser:</translation>
    </message>
    <message>
        <source>Изменение поляризации при отражении волны:</source>
        <translation>Change of polarisation when a wave is reflected:</translation>
    </message>
    <message>
        <source>Прохождение света через вещество</source>
        <translation>Light through matter</translation>
    </message>
    <message>
        <source>Входящая волна</source>
        <translation>Incoming wave</translation>
    </message>
    <message>
        <source>Выходящая волна</source>
        <translation>Outgoing wave</translation>
    </message>
    <message>
        <source>Длина волны в вакууме,нм=</source>
        <translation>Vacuum wavelength, nm=</translation>
    </message>
    <message>
        <source>Сдвиг фазы Y вектора f=</source>
        <translation>Phase shift of Y, f=</translation>
    </message>
    <message>
        <source>Показатель Kx=</source>
        <translation>Index Kx=</translation>
    </message>
    <message>
        <source>Показатель Ky=</source>
        <translation>Index Ky=</translation>
    </message>
    <message>
        <source>Толшина вещества, нм=</source>
        <translation>Thickness, nm=</translation>
    </message>
    <message>
        <source>Временной шаг, с*10^17=</source>
        <translation>Time step, s*10^17=</translation>
    </message>
    <message>
        <source>Сброс графика 1</source>
        <translation>Reset graph 1</translation>
    </message>
    <message>
        <source>Сброс графика 2</source>
        <translation>Reset graph 2</translation>
    </message>
    <message>
        <source>Общий сброс</source>
        <translation>Reset all</translation>
    </message>
</context>
<context>
    <name>TForm12</name>
    <message>
        <source>Интерференция от точечных источников. Общая интерференционная схема.</source>
        <translation>Interference from point sources. The general interference scheme.</translation>
    </message>
    <message>
        <source>Схема опыта</source>
        <translation>Experiment diagram</translation>
    </message>
    <message>
        <source>Моделирование</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Щёлкните по полоске, чтобы поставить источник</source>
        <translation>Click the strip to place a source</translation>
    </message>
    <message>
        <source>Длина волны:</source>
        <translation>Wavelength:</translation>
    </message>
    <message>
        <source>нм</source>
        <translation>nm</translation>
    </message>
    <message>
        <source>Расстояние до экрана=</source>
        <translation>Screen distance=</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Y максимальное=</source>
        <translation>Y maximum=</translation>
    </message>
    <message>
        <source>Шаг Y=</source>
        <translation>Y step=</translation>
    </message>
    <message>
        <source>Масштаб верт.=</source>
        <translation>Vert. scale=</translation>
    </message>
    <message>
        <source>Масштаб гориз.=</source>
        <translation>Horiz. scale=</translation>
    </message>
    <message>
        <source>Позиция источника</source>
        <translation>Source position</translation>
    </message>
    <message>
        <source>НМ</source>
        <translation>nm</translation>
    </message>
    <message>
        <source>МКМ</source>
        <translation>µm</translation>
    </message>
    <message>
        <source>ММ</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>М</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Яркость:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Задано неверное число</source>
        <translation>Invalid number</translation>
    </message>
    <message>
        <source>Памяти мало :(. Хочу всего-навсего %1 байт</source>
        <translation>Not enough memory :(. I only want %1 bytes</translation>
    </message>
    <message>
        <source>Ой!</source>
        <translation>Oops!</translation>
    </message>
    <message>
        <source>Полоска источников света: щелчок или Insert ставит источник, стрелки двигают выбранный, Delete убирает; по ним строится интерференционная картина.</source>
        <translation>Strip of light sources: a click or Insert places a source, the arrows move the selected one, Delete removes it; the interference pattern is computed from them.</translation>
    </message>
</context>
<context>
    <name>TForm13</name>
    <message>
        <source>Дифракция. Основные черты и закономерности.</source>
        <translation>Diffraction. Main features and laws.</translation>
    </message>
    <message>
        <source>Иллюстрация к тексту о дифракции; страница прокручивается колёсиком мыши.</source>
        <translation>Illustration for the text on diffraction; the page scrolls with the mouse wheel.</translation>
    </message>
    <message>
        <source>Наблюдение дифракции при помощи 
неонового лазера и треугольного отверстия</source>
        <translation>Observing diffraction with a neon
laser and a triangular aperture</translation>
    </message>
    <message>
        <source>Экспериментально полученные картины дифракции на щели излучения гелий-неонового (на длине волны 633 нм - красный цвет) и аргонового (на длине волны 488 нм - синий цвет) лазеров.</source>
        <translation>Diffraction patterns at a slit, obtained experimentally with the light of a helium-neon laser (wavelength 633 nm, red) and an argon laser (wavelength 488 nm, blue).</translation>
    </message>
    <message>
        <source>Дифракционные картины для отверстий разной 
формы отличаются, но во всех них, в зависимости от 
расстояния, можно отметить следующие особенности:</source>
        <translation>The diffraction patterns of apertures of different
shapes differ, but in all of them, depending on
the distance, the following features can be seen:</translation>
    </message>
    <message>
        <source>Вблизи препятствия световой пучок сохраняет 
структуру, заданную формой объекта, т.е. 
дифракционная картина подобна изображению 
объекта. Эту область называют геометрооптической 
областью или прожекторной.</source>
        <translation>Near the obstacle the light beam keeps the
structure given by the shape of the object, i.e.
the diffraction pattern resembles the image
of the object. This region is called the
geometric-optics, or searchlight, region.</translation>
    </message>
    <message>
        <source>Затем границы изображения начинают 
расплываться, проступают полосы, размер 
которых увеличивается с ростом расстояния. 
Вскоре полосы заполняют всю картину, 
пересекаются, образуя темные и светлые 
пятна, которые переходят друг в друга, меняются 
местами, порой (в зависимости от формы объекта) 
весьма причудливым образом. Изображение на 
экране становится совершенно непохожим на 
геометрическое  изображение исходного объекта. 
Эту область называют областью дифракции Френеля.</source>
        <translation>Then the edges of the image begin to blur,
fringes appear, and their size grows with
the distance. Soon the fringes fill the whole
picture and cross one another, forming dark
and bright spots that merge into one another
and change places, sometimes (depending on
the shape of the object) in a most curious
way. The image on the screen becomes quite
unlike the geometric image of the original
object. This region is called the region
of Fresnel diffraction.</translation>
    </message>
    <message>
        <source>С дальнейшим ростом расстояния пространственная 
структура дифракционной картины становится 
устойчивой. Изменяется только масштаб. Это область 
дифракции Фраунгофера.</source>
        <translation>As the distance grows further, the spatial
structure of the diffraction pattern becomes
stable. Only the scale changes. This is the
region of Fraunhofer diffraction.</translation>
    </message>
    <message>
        <source>Расстояние от источника излучения до отверстия 
определяет  форму волнового фронта в плоскости 
препятствия. Если точечный источник находится 
очень далеко от отверстия (на бесконечности), то 
волновой фронт плоский. Для конечных расстояний 
волновой фронт сферический, причем, чем ближе 
источник, тем меньше радиус сферы, тем больше 
кривизна волнового фронта. Поскольку вторичные 
источники располагаются на волновом фронте, то 
ясно, что дифракционные картины будут отличаться 
для разных расстояний между источником света и 
отверстием.</source>
        <translation>The distance from the source of the light to the
aperture determines the shape of the wavefront
at the obstacle. If a point source is very far
from the aperture (at infinity), the wavefront
is plane. At finite distances the wavefront is
spherical, and the closer the source, the smaller
the radius of the sphere and the greater the
curvature of the wavefront. Since the secondary
sources lie on the wavefront, it is clear that
the diffraction patterns will differ for
different distances between the light source
and the aperture.</translation>
    </message>
</context>
<context>
    <name>TForm14</name>
    <message>
        <source>Поляризация света при отражении и преломлении. Явление Брюстера.</source>
        <translation>Polarisation of light at reflection and refraction. Brewster&apos;s effect.</translation>
    </message>
    <message>
        <source>Объёмная сцена: отражение и преломление поляризованного света; сцена поворачивается мышью, угол падения меняется колёсиком.</source>
        <translation>3D scene: reflection and refraction of polarised light; drag with the mouse to turn the scene, use the wheel to change the angle of incidence.</translation>
    </message>
    <message>
        <source>Боковая поверхность</source>
        <translation>Side surface</translation>
    </message>
    <message>
        <source>Только каркасы поверхностей</source>
        <translation>Surface wireframes only</translation>
    </message>
    <message>
        <source>Сглаживание линий</source>
        <translation>Smooth lines</translation>
    </message>
    <message>
        <source>Составляющие поляризации</source>
        <translation>Polarisation components</translation>
    </message>
    <message>
        <source>Закраска составляющих поляризации</source>
        <translation>Fill polarisation components</translation>
    </message>
    <message>
        <source>Результирующая волна</source>
        <translation>Resulting wave</translation>
    </message>
    <message>
        <source>Закраска  волны</source>
        <translation>Fill the wave</translation>
    </message>
    <message>
        <source>Рисовать лучи света</source>
        <translation>Draw light rays</translation>
    </message>
    <message>
        <source>Сдвиг фазы fy-fx, град:</source>
        <translation>Phase shift fy-fx, deg:</translation>
    </message>
    <message>
        <source>Соотношение Ey/Ex:</source>
        <translation>Ratio Ey/Ex:</translation>
    </message>
    <message>
        <source>Угол падения, град:</source>
        <translation>Incidence, deg:</translation>
    </message>
    <message>
        <source>Длина волны, нм:</source>
        <translation>Wavelength, nm:</translation>
    </message>
    <message>
        <source>Показатель преломломления для параллельной составляющей:</source>
        <translation>Refractive index for the parallel component:</translation>
    </message>
    <message>
        <source>Показатель преломломления для перпендикулярной составляющей:</source>
        <translation>Refractive index for the perpendicular component:</translation>
    </message>
</context>
<context>
    <name>TForm15</name>
    <message>
        <source>Демонстрация преломления света с использованием принципа Гюйгенса.</source>
        <translation>Refraction of light by Huygens&apos; principle.</translation>
    </message>
    <message>
        <source>Дважды щёлкните по рисунку, чтобы запустить</source>
        <translation>Double-click the picture to start</translation>
    </message>
    <message>
        <source>Волновой фронт, преломляющийся на границе сред по Гюйгенсу; двойной щелчок по рисунку запускает волну.</source>
        <translation>A wave front refracted at a boundary, after Huygens; double-click the picture to start the wave.</translation>
    </message>
    <message>
        <source>Угол падения, град:</source>
        <translation>Incidence, deg:</translation>
    </message>
    <message>
        <source>Шаг чередования:</source>
        <translation>Alternation step:</translation>
    </message>
    <message>
        <source>Толщина пучка:</source>
        <translation>Beam width:</translation>
    </message>
    <message>
        <source>Преломление 1:</source>
        <translation>Index 1:</translation>
    </message>
    <message>
        <source>Преломление 2:</source>
        <translation>Index 2:</translation>
    </message>
</context>
<context>
    <name>TForm16</name>
    <message>
        <source>Закон Малюса</source>
        <translation>Malus&apos;s law</translation>
    </message>
    <message>
        <source>Угол между разрешенными направлениями поляроидов, градусов:</source>
        <translation>Angle between the polaroids&apos; allowed directions, degrees:</translation>
    </message>
    <message>
        <source>Фиксировать один поляроид</source>
        <translation>Hold one polaroid still</translation>
    </message>
    <message>
        <source>Автовращение поляроидов</source>
        <translation>Rotate polaroids</translation>
    </message>
    <message>
        <source>Рисовать поляризованные волны</source>
        <translation>Draw polarised waves</translation>
    </message>
    <message>
        <source>Объёмная сцена: свет через поляризатор и анализатор; сцена поворачивается мышью, угол меняется колёсиком.</source>
        <translation>3D scene: light through a polariser and an analyser; drag with the mouse to turn the scene, use the wheel to change the angle.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Преломление света на границе сред.</source>
        <translation>Refraction at a boundary.</translation>
    </message>
    <message>
        <source>Луч, отражённый и преломлённый на границе двух сред; источник перетаскивается мышью.</source>
        <translation>A ray reflected and refracted at the boundary of two media; drag the source with the mouse.</translation>
    </message>
    <message>
        <source>Показатель преломления 1й среды:</source>
        <translation>Refractive index of medium 1:</translation>
    </message>
    <message>
        <source>Показатель преломления 2й среды:</source>
        <translation>Refractive index of medium 2:</translation>
    </message>
    <message>
        <source>Показатель дисперсии, 100000/нм:</source>
        <translation>Dispersion, 100000/nm:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Построение изображения в линзе.</source>
        <translation>Image formed by a lens.</translation>
    </message>
    <message>
        <source>Построение изображения предмета в тонкой линзе; предмет и линзу можно перетаскивать мышью, значения задаются внизу.</source>
        <translation>How a thin lens forms the image of an object; drag the object and the lens with the mouse, set the values below.</translation>
    </message>
    <message>
        <source>Предмет</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Изображение</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Линза</source>
        <translation>Lens</translation>
    </message>
    <message>
        <source>Ось</source>
        <translation>Axis</translation>
    </message>
    <message>
        <source>Луч 1</source>
        <translation>Ray 1</translation>
    </message>
    <message>
        <source>Луч 2</source>
        <translation>Ray 2</translation>
    </message>
    <message>
        <source>Фон</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Оптическая сила линзы, D=</source>
        <translation>Lens power, D=</translation>
    </message>
    <message>
        <source>дптр</source>
        <translation>dpt</translation>
    </message>
    <message>
        <source>Расстояние до предмета, d=</source>
        <translation>Object distance, d=</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Высота предмета, h=</source>
        <translation>Object height, h=</translation>
    </message>
    <message>
        <source>Угол наклона предмета, a=</source>
        <translation>Object tilt, a=</translation>
    </message>
    <message>
        <source>град</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>Построить изображение</source>
        <translation>Form the image</translation>
    </message>
    <message>
        <source>Расстояние до изображения, f=</source>
        <translation>Image distance, f=</translation>
    </message>
    <message>
        <source>Высота изображения, h&apos;=</source>
        <translation>Image height, h&apos;=</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Дисперсия света</source>
        <translation>Dispersion of light</translation>
    </message>
    <message>
        <source>Луч белого света, разложенный призмой в спектр; источник перетаскивается мышью.</source>
        <translation>A ray of white light split into a spectrum by a prism; drag the source with the mouse.</translation>
    </message>
    <message>
        <source>Схема спектрометра на призме</source>
        <translation>Prism spectrometer</translation>
    </message>
    <message>
        <source>Моделирование</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Часть лучей испытала полное внутреннее отражение</source>
        <translation>Some rays were totally internally reflected</translation>
    </message>
    <message>
        <source>Показатель преломления материала:</source>
        <translation>Refractive index of the material:</translation>
    </message>
    <message>
        <source>Показатель дисперсии, 10000/нм:</source>
        <translation>Dispersion, 10000/nm:</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Отражение света. Построение изображения в зеркале.</source>
        <translation>Reflection. The image in a mirror.</translation>
    </message>
    <message>
        <source>Предмет, плоское зеркало и его изображение с лучами к глазу; предмет и глаз перетаскиваются мышью.</source>
        <translation>An object, a plane mirror and the object&apos;s image, with rays to the eye; drag the object and the eye with the mouse.</translation>
    </message>
</context>
<context>
    <name>TForm51</name>
    <message>
        <source>Дифракция микрочастиц.</source>
        <translation>Diffraction of microparticles.</translation>
    </message>
    <message>
        <source>Экран, на котором по одному накапливаются следы электронов и складывается дифракционная картина.</source>
        <translation>A screen where electron hits gather one by one and build up a diffraction pattern.</translation>
    </message>
    <message>
        <source>Схема установки</source>
        <translation>Apparatus</translation>
    </message>
    <message>
        <source>Схема кристаллической решетки образца</source>
        <translation>Crystal lattice of the sample</translation>
    </message>
    <message>
        <source>Пример эксперимента</source>
        <translation>A sample experiment</translation>
    </message>
    <message>
        <source>Моделирование</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Добавить электронов:</source>
        <translation>Add electrons:</translation>
    </message>
    <message>
        <source>Очистка поля</source>
        <translation>Clear screen</translation>
    </message>
    <message>
        <source>Приостановить</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Скорость, электронов/секунду:</source>
        <translation>Rate, electrons/second:</translation>
    </message>
    <message>
        <source>Ускоряющее напряжение, кВ:</source>
        <translation>Accelerating voltage, kV:</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Выпущено электронов: %1</source>
        <translation>Electrons emitted: %1</translation>
    </message>
    <message>
        <source>Осталось электронов: %1</source>
        <translation>Electrons left: %1</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Фокусное расстояние линзы.</source>
        <translation>Focal length of a lens.</translation>
    </message>
    <message>
        <source>Линза и фронт света, сходящийся в фокусе; фокальную линию можно перетащить мышью, двойной щелчок запускает свет заново.</source>
        <translation>A lens and a light front converging at the focus; drag the focal line with the mouse, double-click to send the light again.</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Шаг расчета должен быть больше нуля.</source>
        <translation>The calculation step must be greater than zero.</translation>
    </message>
    <message>
        <source>Радиус линзы меньше шага расчета: колец не будет.
Уменьшите шаг или увеличьте радиус линзы.</source>
        <translation>The lens radius is smaller than the calculation step: there will be no rings.
Reduce the step or increase the lens radius.</translation>
    </message>
    <message>
        <source>Радиус кривизны линзы не может быть меньше радиуса линзы.</source>
        <translation>The lens&apos;s radius of curvature cannot be smaller than the lens radius.</translation>
    </message>
    <message>
        <source>Длина волны должна быть больше нуля.</source>
        <translation>The wavelength must be greater than zero.</translation>
    </message>
    <message>
        <source>Радиус кривизны линзы слишком велик или длина волны слишком мала.</source>
        <translation>The lens&apos;s radius of curvature is too large or the wavelength too small.</translation>
    </message>
    <message>
        <source>Слишком мелкий шаг расчета: картина из %1 колец не поместится в памяти.
Увеличьте шаг: колец должно быть не больше %2.</source>
        <translation>The calculation step is too fine: a picture of %1 rings will not fit in memory.
Increase the step: there must be no more than %2 rings.</translation>
    </message>
    <message>
        <source>Кольца Ньютона</source>
        <translation>Newton&apos;s rings</translation>
    </message>
    <message>
        <source>Схема эксперимента</source>
        <translation>Experiment diagram</translation>
    </message>
    <message>
        <source>Моделирование</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Кольца Ньютона в отражённом свете; рассчитываются кнопкой «Расчет».</source>
        <translation>Newton&apos;s rings in reflected light; computed with the “Compute” button.</translation>
    </message>
    <message>
        <source>Нажмите «Расчет»</source>
        <translation>Press “Compute”</translation>
    </message>
    <message>
        <source>Не хватило памяти для расчета.</source>
        <translation>Not enough memory for the calculation.</translation>
    </message>
    <message>
        <source>Радиус кривизны линзы, м:</source>
        <translation>Curvature radius, m:</translation>
    </message>
    <message>
        <source>Радиус линзы, м:</source>
        <translation>Lens radius, m:</translation>
    </message>
    <message>
        <source>Шаг расчета, м:</source>
        <translation>Step, m:</translation>
    </message>
    <message>
        <source>Длина волны, нм:</source>
        <translation>Wavelength, nm:</translation>
    </message>
    <message>
        <source>Цветной свет</source>
        <translation>Coloured light</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Compute</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Водород (H)</source>
        <translation>Hydrogen (H)</translation>
    </message>
    <message>
        <source>Гелий (He)</source>
        <translation>Helium (He)</translation>
    </message>
    <message>
        <source>Натрий (Na)</source>
        <translation>Sodium (Na)</translation>
    </message>
    <message>
        <source>Неон (Ne)</source>
        <translation>Neon (Ne)</translation>
    </message>
    <message>
        <source>Ртуть (Hg)</source>
        <translation>Mercury (Hg)</translation>
    </message>
    <message>
        <source>Кадмий (Cd)</source>
        <translation>Cadmium (Cd)</translation>
    </message>
    <message>
        <source>Спектрометр на дифракционной решетке. Демонстрация спектров атомов.</source>
        <translation>Diffraction grating spectrometer. Spectra of atoms.</translation>
    </message>
    <message>
        <source>Дифракционная решетка</source>
        <translation>Diffraction grating</translation>
    </message>
    <message>
        <source>Моделирование</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Спектрометр с дифракционной решёткой и линейчатый спектр выбранного источника.</source>
        <translation>A diffraction grating spectrometer and the line spectrum of the chosen source.</translation>
    </message>
    <message>
        <source>Спектр:</source>
        <translation>Source:</translation>
    </message>
    <message>
        <source>0й порядок</source>
        <translation>0th order</translation>
    </message>
    <message>
        <source>1й порядок</source>
        <translation>1st order</translation>
    </message>
    <message>
        <source>2й порядок</source>
        <translation>2nd order</translation>
    </message>
    <message>
        <source>Белый</source>
        <translation>White</translation>
    </message>
</context>
<context>
    <name>TForm9</name>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Дифракция Фраунгофера</source>
        <translation>Fraunhofer diffraction</translation>
    </message>
    <message>
        <source>Нажмите «Построить»</source>
        <translation>Press “Build”</translation>
    </message>
    <message>
        <source>Дифракционная картина Фраунгофера от прямоугольного отверстия; строится кнопкой «Построить».</source>
        <translation>Fraunhofer diffraction pattern of a rectangular aperture; drawn with the “Build” button.</translation>
    </message>
    <message>
        <source>Длина волны</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>нм</source>
        <translation>nm</translation>
    </message>
    <message>
        <source>Расстояние до экрана</source>
        <translation>Distance to screen</translation>
    </message>
    <message>
        <source>Ширина отверстия</source>
        <translation>Aperture width</translation>
    </message>
    <message>
        <source>Высота отверстия</source>
        <translation>Aperture height</translation>
    </message>
    <message>
        <source>Сторона экрана:</source>
        <translation>Screen side:</translation>
    </message>
    <message>
        <source>Пятно от отверстия</source>
        <translation>Spot of an aperture</translation>
    </message>
    <message>
        <source>Тень от пластины</source>
        <translation>Shadow of a plate</translation>
    </message>
    <message>
        <source>Включить цвета</source>
        <translation>Show colours</translation>
    </message>
    <message>
        <source>Контур объекта</source>
        <translation>Object outline</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Длина волны должна быть больше нуля.</source>
        <translation>The wavelength must be greater than zero.</translation>
    </message>
    <message>
        <source>Расстояние до экрана должно быть больше нуля.</source>
        <translation>The distance to the screen must be greater than zero.</translation>
    </message>
    <message>
        <source>Сторона экрана должна быть больше нуля.</source>
        <translation>The screen side must be greater than zero.</translation>
    </message>
</context>
<context>
    <name>TFraunhoferPicture</name>
    <message>
        <source>x = %1 мм, y = %2 мм</source>
        <translation>x = %1 mm, y = %2 mm</translation>
    </message>
    <message>
        <source>I = %1 % от наибольшей</source>
        <translation>I = %1 % of maximum</translation>
    </message>
    <message>
        <source>x (мм),y (мм),I (% от наибольшей)</source>
        <translation>x (mm),y (mm),I (% of maximum)</translation>
    </message>
</context>
<context>
    <name>TFresnelPicture</name>
    <message>
        <source>r = %1 мм</source>
        <translation>r = %1 mm</translation>
    </message>
    <message>
        <source>I = %1 от наибольшей</source>
        <translation>I = %1 of maximum</translation>
    </message>
    <message>
        <source>r (мм),I (доля наибольшей)</source>
        <translation>r (mm),I (fraction of maximum)</translation>
    </message>
</context>
<context>
    <name>TGraphPanel</name>
    <message>
        <source>X=%1 м</source>
        <translation>X=%1 m</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Справка по программе</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>THuygensPicture</name>
    <message>
        <source>над пластинкой: %1 пикс.</source>
        <translation>above the plate: %1 px</translation>
    </message>
    <message>
        <source>под пластинкой: %1 пикс.</source>
        <translation>below the plate: %1 px</translation>
    </message>
    <message>
        <source>глубина в пластинке: %1 из %2 пикс.</source>
        <translation>depth in the plate: %1 of %2 px</translation>
    </message>
</context>
<context>
    <name>TInterferencePicture</name>
    <message>
        <source>y = %1 м</source>
        <translation>y = %1 m</translation>
    </message>
    <message>
        <source>I = %1</source>
        <translation>I = %1</translation>
    </message>
    <message>
        <source>y (м),I (отн. ед.)</source>
        <translation>y (m),I (rel. units)</translation>
    </message>
</context>
<context>
    <name>TLensPicture</name>
    <message>
        <source>от линзы: %1 см</source>
        <translation>from the lens: %1 cm</translation>
    </message>
    <message>
        <source>высота: %1 см</source>
        <translation>height: %1 cm</translation>
    </message>
</context>
<context>
    <name>TMalusPicture</name>
    <message>
        <source>θ = %1°: поляроиды %2° и %3°</source>
        <translation>θ = %1°: polaroids %2° and %3°</translation>
    </message>
    <message>
        <source>проходит %1 света между поляроидами</source>
        <translation>%1 of the light passes between the polaroids</translation>
    </message>
    <message>
        <source>I = %1 от падающего</source>
        <translation>I = %1 of incident</translation>
    </message>
    <message>
        <source>θ (°),доля между поляроидами,I за вторым (доля падающего)</source>
        <translation>θ (°),fraction between polaroids,I after the second (fraction of incident)</translation>
    </message>
</context>
<context>
    <name>TMirrorPicture</name>
    <message>
        <source>точка: x = %1, y = %2 пикс.</source>
        <translation>point: x = %1, y = %2 px</translation>
    </message>
    <message>
        <source>изображение: x = %1, y = %2 пикс.</source>
        <translation>image: x = %1, y = %2 px</translation>
    </message>
</context>
<context>
    <name>TNewtonPicture</name>
    <message>
        <source>r = %1 мм</source>
        <translation>r = %1 mm</translation>
    </message>
    <message>
        <source>I = %1 от наибольшей</source>
        <translation>I = %1 of maximum</translation>
    </message>
    <message>
        <source>r (мм),I (доля наибольшей)</source>
        <translation>r (mm),I (fraction of maximum)</translation>
    </message>
</context>
<context>
    <name>TOverlay</name>
    <message>
        <source>Рисунка ещё нет: %1.</source>
        <translation>No picture yet: %1.</translation>
    </message>
    <message>
        <source>Рисунка ещё нет.</source>
        <translation>No picture yet.</translation>
    </message>
    <message>
        <source>Ой!</source>
        <translation>Oops!</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл «%1»: %2.</source>
        <translation>Could not save the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>папки «%1» нет</source>
        <translation>the folder &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>в папку «%1» нельзя записывать</source>
        <translation>the folder &quot;%1&quot; cannot be written to</translation>
    </message>
    <message>
        <source>не хватило места на диске</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>Данных ещё нет: сначала постройте рисунок.</source>
        <translation>No data yet: make the picture first.</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Рисунки PNG (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Сохранить данные…</source>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>Теория</source>
        <translation>Theory</translation>
    </message>
</context>
<context>
    <name>TPrismPicture</name>
    <message>
        <source>у первой грани: %1° от нормали</source>
        <translation>at the first face: %1° from the normal</translation>
    </message>
    <message>
        <source>у второй грани: %1° от нормали</source>
        <translation>at the second face: %1° from the normal</translation>
    </message>
</context>
<context>
    <name>TRefractionPicture</name>
    <message>
        <source>угол с нормалью: %1°</source>
        <translation>angle with the normal: %1°</translation>
    </message>
    <message>
        <source>среда 1, n = %1</source>
        <translation>medium 1, n = %1</translation>
    </message>
    <message>
        <source>среда 2, n = %1</source>
        <translation>medium 2, n = %1</translation>
    </message>
</context>
<context>
    <name>TSourcePanel</name>
    <message>
        <source>X=%1 яркость=%2</source>
        <translation>X=%1 brightness=%2</translation>
    </message>
</context>
<context>
    <name>TSpectrometerPicture</name>
    <message>
        <source>%1-й порядок: λ = %2 нм</source>
        <translation>order %1: λ = %2 nm</translation>
    </message>
    <message>
        <source>порядок,λ (нм),смещение от оси (пикс.),яркость (%)</source>
        <translation>order,λ (nm),offset from axis (px),brightness (%)</translation>
    </message>
</context>
<context>
    <name>TVideoPanel</name>
    <message>
        <source>Видеозапись опыта недоступна</source>
        <translation>The video of the experiment is unavailable</translation>
    </message>
</context>
<context>
    <name>TWavePicture</name>
    <message>
        <source>толщина пластинки d = %1 нм</source>
        <translation>plate thickness d = %1 nm</translation>
    </message>
    <message>
        <source>t = %1 фс</source>
        <translation>t = %1 fs</translation>
    </message>
</context>
<context>
    <name>TXrayPicture</name>
    <message>
        <source>%1 %2 кВ</source>
        <translation>%1 %2 kV</translation>
    </message>
    <message>
        <source>λ = %1 Å</source>
        <translation>λ = %1 Å</translation>
    </message>
    <message>
        <source>%1: I = %2</source>
        <translation>%1: I = %2</translation>
    </message>
    <message>
        <source>λ (Å)</source>
        <translation>λ (Å)</translation>
    </message>
    <message>
        <source>I %1 (отн. ед.)</source>
        <translation>I %1 (rel. units)</translation>
    </message>
</context>
<context>
    <name>Tform_Main</name>
    <message>
        <source>Неизвестный</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Тормозной и характеристический рентгеновский спектр</source>
        <translation>Bremsstrahlung and characteristic X-ray spectrum</translation>
    </message>
    <message>
        <source>График тормозного и характеристического рентгеновского спектра выбранного анода при заданном напряжении.</source>
        <translation>Graph of the bremsstrahlung and characteristic X-ray spectrum of the chosen anode at the set voltage.</translation>
    </message>
    <message>
        <source>Рентгеновская трубка</source>
        <translation>X-ray tube</translation>
    </message>
    <message>
        <source>Расчет спектров</source>
        <translation>Spectra</translation>
    </message>
    <message>
        <source>Получить спектр</source>
        <translation>Get spectrum</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>V = 11000 В</source>
        <translation>V = 11000 V</translation>
    </message>
    <message>
        <source>Получить</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>V, кВ</source>
        <translation>V, kV</translation>
    </message>
    <message>
        <source>Измерение длины волны.</source>
        <translation>Measuring the wavelength.</translation>
    </message>
    <message>
        <source>Спектр | Зависимость спектральной плотности интенсивности от длины волны</source>
        <translation>Spectrum | Spectral intensity density against wavelength</translation>
    </message>
    <message>
        <source>V = %1 В</source>
        <translation>V = %1 V</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ошибка в данных!</source>
        <translation>Error in the data!</translation>
    </message>
    <message>
        <source>Длина волны: %1 Ангстрем</source>
        <translation>Wavelength: %1 Angstrom</translation>
    </message>
</context>
<context>
    <name>XrayPictures</name>
    <message>
        <source>Uн</source>
        <translation>Uh</translation>
    </message>
    <message>
        <source>Uа (десятки кВ)</source>
        <translation>Ua (tens of kV)</translation>
    </message>
    <message>
        <source>рентгеновские</source>
        <translation>X-ray</translation>
    </message>
    <message>
        <source>лучи</source>
        <translation>rays</translation>
    </message>
    <message>
        <source>1 — катод</source>
        <translation>1 — cathode</translation>
    </message>
    <message>
        <source>2 — нить накала</source>
        <translation>2 — filament</translation>
    </message>
    <message>
        <source>3 — стеклянный баллон</source>
        <translation>3 — glass envelope</translation>
    </message>
    <message>
        <source>4 — анод</source>
        <translation>4 — anode</translation>
    </message>
    <message>
        <source>5 — плюс источника высокого напряжения</source>
        <translation>5 — high-voltage supply, plus</translation>
    </message>
    <message>
        <source>e⁻ — поток электронов</source>
        <translation>e⁻ — electron beam</translation>
    </message>
    <message>
        <source>трубка на штативе</source>
        <translation>tube on a stand</translation>
    </message>
</context>
<context>
    <name>XrayTheory</name>
    <message>
        <source>Дуэйн–Хант: λmin = hc / (eV) = 12398.5 / %1 = %2 Å</source>
        <translation>Duane–Hunt: λmin = hc / (eV) = 12398.5 / %1 = %2 Å</translation>
    </message>
    <message>
        <source>λmin</source>
        <translation>λmin</translation>
    </message>
    <message>
        <source>Мозли: E(Kα) = ¾ · 13.6 эВ · (Z − 1)², %1: Z = %2</source>
        <translation>Moseley: E(Kα) = ¾ · 13.6 eV · (Z − 1)², %1: Z = %2</translation>
    </message>
    <message>
        <source>E(Kα) = %1 эВ, λ(Kα) = %2 Å</source>
        <translation>E(Kα) = %1 eV, λ(Kα) = %2 Å</translation>
    </message>
    <message>
        <source>λmin &gt; λ(Kα): при этом напряжении таких фотонов нет, линии быть не может</source>
        <translation>λmin &gt; λ(Kα): at this voltage there are no such photons, the line cannot appear</translation>
    </message>
    <message>
        <source>λ(Kα) вне графика (больше 7 Å)</source>
        <translation>λ(Kα) is off the graph (greater than 7 Å)</translation>
    </message>
    <message>
        <source>Kα</source>
        <translation>Kα</translation>
    </message>
</context>
</TS>
