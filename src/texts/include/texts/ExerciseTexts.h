#pragma once

// Every text of the exercise window ("Alıştırma"): the refusals of a task
// code, the sentence that names the likely mistake of a wrong answer, the
// hints, and the window's captions. Turkish is the source language; each is
// marked with RSA_TEXT for the catalogues. A text with {0}, {1}, ... is a
// pattern: the numbers are put in after translating it, so a translation
// keeps the slots and may reorder them. As in the step window, a number never
// takes a suffix ("61 sayısı"), and symbols (n, φ, d, c, r, p, q, m₁) are not
// translated.

#include "texts/Texts.h"

namespace rsa::texts::exercise {

// Refusals of a task code. {0} of badCharacter is the character, {1} its place.
inline constexpr const char* codeEmpty = RSA_TEXT("rsa", "Görev kodu boş: kodu yazın.");
inline constexpr const char* codeLength =
    RSA_TEXT("rsa", "Görev kodu 8 karakterdir; yazılan kodda {0} karakter var.");
inline constexpr const char* codeCharacter =
    RSA_TEXT("rsa", "Görev kodunda \"{0}\" karakteri olamaz ({1}. karakter). Kodlarda rakam "
                    "olarak yalnız 3, 4 ve 7, harf olarak da B, I, L, O, Q dışındakiler vardır.");
inline constexpr const char* codeCheck =
    RSA_TEXT("rsa", "Kodda bir karakter yanlış ya da iki karakterin yeri değişmiş: böyle bir "
                    "görev kodu yok. Kodu yeniden okuyun.");
// {0} lists the letters of the attacks.
inline constexpr const char* codeKind = RSA_TEXT(
    "rsa", "Görev kodu G (görev), S (saldırgan) ya da bir saldırının harfiyle ({0}) başlar.");
inline constexpr const char* codeLevel =
    RSA_TEXT("rsa", "Görev kodunun ikinci karakteri düzeydir: K (kolay), T (orta) ya da Z (zor).");

// Answers that are not numbers. {0} is what was typed, or the answer's symbol.
inline constexpr const char* answerEmpty = RSA_TEXT("rsa", "Kutu boş: bir sayı yazın.");
inline constexpr const char* answerNotANumber =
    RSA_TEXT("rsa", "\"{0}\" bir tam sayı değil: yalnız rakam yazın.");
inline constexpr const char* answerNotWhole =
    RSA_TEXT("rsa", "\"{0}\" ondalık bir sayı; burada bir tam sayı isteniyor.");
// The separator of the language's digit groups (3.907 in Turkish, 3,907 in
// English): an answer may be written with it.
inline constexpr const char* thousandsSeparator = RSA_TEXT("rsa", ".");
inline constexpr const char* answerNegative =
    RSA_TEXT("rsa", "{0} negatif olamaz: pozitif bir tam sayı yazın.");

// n.
inline constexpr const char* nIsSum =
    RSA_TEXT("rsa", "p + q toplanmış; n, p ile q sayılarının çarpımıdır: n = p · q.");
inline constexpr const char* nIsPhi = RSA_TEXT(
    "rsa", "Bu (p − 1)(q − 1), yani φ; n için p ile q sayılarının kendileri çarpılır: n = p · q.");
inline constexpr const char* nNotMultiple =
    RSA_TEXT("rsa", "Sağlama: n, p = {0} ile tam bölünmeli; yazdığınız sayının {0} ile "
                    "bölümünden kalan {1}.");
inline constexpr const char* nWrongQuotient =
    RSA_TEXT("rsa", "Sağlama: yazdığınız sayı p = {0} ile bölünüyor ama bölüm {1}, q = {2} değil.");

// φ.
inline constexpr const char* phiIsN = RSA_TEXT("rsa", "Bu n = p · q; φ(n) = (p − 1)(q − 1).");
inline constexpr const char* phiIsNMinusOne = RSA_TEXT(
    "rsa", "Bu n − 1 = p · q − 1. Euler φ fonksiyonu, 1 ile n arasında n ile aralarında asal olan "
           "sayıları sayar; φ(n) = n − 1 yalnız asal bir n için doğrudur. n = p · q için φ(n) = "
           "(p − 1)(q − 1).");
inline constexpr const char* phiIsSum =
    RSA_TEXT("rsa", "(p − 1) + (q − 1) toplanmış; φ(n) bir çarpımdır: (p − 1)(q − 1).");
inline constexpr const char* phiMissingOne =
    RSA_TEXT("rsa", "p · q − p − q hesaplanmış: (p − 1)(q − 1) = p · q − p − q + 1; sondaki + 1 "
                    "unutulmuş.");
inline constexpr const char* phiNotMultiple =
    RSA_TEXT("rsa", "Sağlama: φ, p − 1 = {0} ile tam bölünmeli; yazdığınız sayının {0} ile "
                    "bölümünden kalan {1}.");
inline constexpr const char* phiWrongQuotient =
    RSA_TEXT("rsa", "Sağlama: yazdığınız sayı p − 1 = {0} ile bölünüyor ama bölüm {1}, q − 1 = "
                    "{2} değil.");

// d. {0} is φ, or e for dCheckFails, whose {1} is φ and {2} the product's
// remainder.
inline constexpr const char* dNegative = RSA_TEXT(
    "rsa", "Öklid tablosunun t değeri mod φ'ye göre indirgenmemiş: d, 0 ile φ = {0} arasında "
           "olmalı; negatif t için d = t + φ.");
inline constexpr const char* dNotReduced = RSA_TEXT(
    "rsa", "mod φ'ye göre indirgenmemiş: d, φ = {0} sayısından küçük olmalı; d = t mod φ.");
inline constexpr const char* dInverseModN =
    RSA_TEXT("rsa", "Bu, e sayısının mod n'ye göre tersi; d ise e sayısının mod φ'ye göre "
                    "tersidir: e · d mod φ = 1.");
inline constexpr const char* dCheckFails = RSA_TEXT(
    "rsa", "Sağlama tutmuyor: yazdığınız d için e · d mod φ = {0} · d mod {1} = {2}; 1 olmalı.");

// c.
inline constexpr const char* encryptMultiplied = RSA_TEXT(
    "rsa", "m · e çarpılmış; şifrelemede üs alınır: c = mᵉ mod n, m sayısının e. kuvveti.");
inline constexpr const char* encryptUsedD =
    RSA_TEXT("rsa", "Özel üs d ile hesaplanmış; şifrelemede açık üs e kullanılır: c = mᵉ mod n.");
inline constexpr const char* encryptCheckFails =
    RSA_TEXT("rsa", "Sağlama tutmuyor: yazdığınız c için cᵈ mod n = {0}; m = {1} olmalı.");

// r and the attacker's plain blocks: {0} is the answer's symbol (r, m₁),
// {1} the cipher block's (c′, c₁).
inline constexpr const char* decryptUsedE =
    RSA_TEXT("rsa", "Açık üs e ile hesaplanmış; şifre çözmede özel üs d kullanılır: {0} = {1}ᵈ "
                    "mod n.");
inline constexpr const char* decryptModPhi = RSA_TEXT(
    "rsa",
    "mod φ'ye göre indirgenmiş; şifre çözmede de mod n'ye göre indirgenir: {0} = {1}ᵈ mod n.");
inline constexpr const char* decryptCheckFails =
    RSA_TEXT("rsa", "Sağlama tutmuyor: yazdığınız {0} için {0}ᵉ mod n = {2}; {1} = {3} olmalı.");

// A check whose number is an answer of the task, so it is not shown: {0} is
// the answer's symbol, {1} the check (e · d mod φ = 1, m₁ᵉ mod n = c₁).
inline constexpr const char* checkFailsQuiet =
    RSA_TEXT("rsa", "Sağlama tutmuyor: yazdığınız {0} ile {1} eşitliği sağlanmıyor.");

// Powers of every kind. {0} is the answer's symbol, {1} is n.
inline constexpr const char* notReduced = RSA_TEXT(
    "rsa", "mod n'ye göre indirgenmemiş: {0}, n = {1} sayısından küçük olmalı; sayının n ile "
           "bölümünden kalanı alın.");
inline constexpr const char* tooLarge =
    RSA_TEXT("rsa", "Bu sayı çok büyük: görevdeki sayılarla bu kadar büyük bir {0} çıkmaz.");
inline constexpr const char* notBelowModulus =
    RSA_TEXT("rsa", "{0}, n = {1} sayısından küçük olmalı.");

// The attacker's factors. {0} is n.
inline constexpr const char* factorTrivial =
    RSA_TEXT("rsa", "0, 1 ve n çarpan olarak sayılmaz; 1'den ve n'den farklı bir bölen arayın.");
inline constexpr const char* factorNotDividing =
    RSA_TEXT("rsa", "Sağlama: n = {0} bu sayıya tam bölünmüyor; kalan {1}.");
inline constexpr const char* factorLarger =
    RSA_TEXT("rsa", "Bu, n sayısının büyük çarpanı; p küçük olanıdır.");
inline constexpr const char* factorSmaller =
    RSA_TEXT("rsa", "Bu, n sayısının küçük çarpanı, yani p; q büyük olanıdır.");

// The checks of an attack's answers: {0} is the answer's symbol, {1} what
// the check computes, {2} the number it gives, {3} what it should be.
inline constexpr const char* attackCheckFails =
    RSA_TEXT("rsa", "Sağlama tutmuyor: yazdığınız {0} için {1} = {2}; {3} olmalı.");
inline constexpr const char* notSquare =
    RSA_TEXT("rsa", "Sağlama tutmuyor: yazdığınız {0} için {1} = {2}, bir tam kare değil.");

// Fermat's method.
inline constexpr const char* fermatFloorRoot = RSA_TEXT(
    "rsa", "Bu ⌊√n⌋, aşağı yuvarlanmış kök: onunla a² − n negatif olur. Fermat yöntemi ⌈√n⌉ ile, "
           "yani yukarı yuvarlanmış kökle başlar.");
inline constexpr const char* fermatBSquared =
    RSA_TEXT("rsa", "Bu a² − n, yani b²; b bu sayının kareköküdür: b = √(a² − n).");
inline constexpr const char* fermatForgotB =
    RSA_TEXT("rsa", "Bu a; çarpanlar a − b ve a + b sayılarıdır: b unutulmuş.");
inline constexpr const char* fermatBelowRoot = RSA_TEXT(
    "rsa", "a, √n sayısından küçük olamaz: a² − n negatif olur. Fermat yöntemi ⌈√n⌉ ile başlar.");
inline constexpr const char* fermatNotFirst = RSA_TEXT(
    "rsa", "Bu sayı a − b = 1 verir, yani 1 ve n çarpanlarını; bunlar çarpan sayılmaz. a = ⌈√n⌉ "
           "ile başlayıp a² − n ilk kez tam kare olana kadar a sayısını birer artırın.");

// A shared prime.
inline constexpr const char* sharedNoPrime =
    RSA_TEXT("rsa", "ebob 1 çıktı: bu iki modül bir asal paylaşmıyor; öteki çiftleri deneyin.");
inline constexpr const char* sharedOnlyOne =
    RSA_TEXT("rsa", "Bu yalnız bir anahtarın asal çarpanı; ortak asal iki modülü birden böler.");
inline constexpr const char* sharedIsModulus =
    RSA_TEXT("rsa", "Bu bir anahtarın modülü, n = p · q; istenen onun bir asal çarpanı.");
inline constexpr const char* sharedIsG =
    RSA_TEXT("rsa", "Bu ortak asal g; istenen, anahtarın öteki asalı: n / g.");
inline constexpr const char* sharedSwapped =
    RSA_TEXT("rsa", "Bu öbür anahtarın asalı: a, numarası küçük anahtarınki, b öbür anahtarınki.");
inline constexpr const char* sharedNotCommon = RSA_TEXT(
    "rsa", "Sağlama tutmuyor: ortak asal iki modülü birden tam böler, yazdığınız sayı bölmüyor.");

// Small e.
inline constexpr const char* smallEDivided = RSA_TEXT(
    "rsa", "c / 3 bölünmüş: e = 3 bir üs, çarpan değil; ileti bloğun küp köküdür: m = ∛c.");
inline constexpr const char* smallESquareRoot =
    RSA_TEXT("rsa", "Karekök alınmış; e = 3 olduğundan küp kök alınır: m = ∛c.");

// A common modulus.
inline constexpr const char* commonOtherPair = RSA_TEXT(
    "rsa", "Bu da bir Bezout katsayısı, ama başka bir çiftin: kutular 0 < x < e₂ olan çifti ister, "
           "x = e₁⁻¹ mod e₂ ve y = (1 − e₁x) / e₂.");
inline constexpr const char* commonYSign = RSA_TEXT(
    "rsa",
    "Bezout katsayısının işareti yanlış: e₁x + e₂y = 1 olması için x pozitifken y negatiftir.");
inline constexpr const char* commonInverseNegated = RSA_TEXT(
    "rsa", "Bu n − c₂, c₂ sayısının toplamaya göre tersi; gereken çarpmaya göre tersi: c₂ · c₂⁻¹ "
           "mod n = 1.");
inline constexpr const char* commonNoInverse = RSA_TEXT(
    "rsa", "Negatif üs, ters alınmadan kullanılmış: y < 0 için c₂ʸ = (c₂⁻¹)^|y| demektir; c₂ "
           "yerine c₂⁻¹ sayısının kuvvetini alın.");

// Wiener's attack. {0} of wienerNotConvergent is k or d.
inline constexpr const char* wienerSwapped = RSA_TEXT(
    "rsa", "k ile d yer değiştirmiş: yakınsak n/e kesrinin değil e/n kesrinindir; e/n ≈ k/d, k "
           "pay, d paydadır.");
inline constexpr const char* wienerPhiNotDivided =
    RSA_TEXT("rsa", "Bu e · d − 1; φ bunun k ile bölümüdür: φ = (e · d − 1) / k.");
inline constexpr const char* wienerNotConvergent =
    RSA_TEXT("rsa", "Bu {0}, e/n sürekli kesrinin hiçbir yakınsağında yok: k pay, d payda olarak "
                    "bir yakınsaktan okunur.");
inline constexpr const char* wienerWrongConvergent = RSA_TEXT(
    "rsa", "Bu yakınsak işe yaramaz: onunla φ = (e · d − 1) / k tam sayı olmuyor ya da x² − "
           "(n − φ + 1)x + n = 0 tam kök vermiyor; sonraki yakınsakları deneyin.");

// Håstad's broadcast. {0} of hastadBelowProduct is N.
inline constexpr const char* hastadNoInverse = RSA_TEXT(
    "rsa", "Çin kalan teoreminin terimleri tersler olmadan toplanmış: her terim cᵢ · Nᵢ · (Nᵢ⁻¹ "
           "mod nᵢ) olmalı, yoksa x mod nᵢ = cᵢ tutmaz.");
inline constexpr const char* hastadRootOfC = RSA_TEXT(
    "rsa", "Bu bir cᵢ sayısının küp kökü; cᵢ = m³ mod nᵢ indirgenmiş bir sayıdır. Küp kök, Çin "
           "kalan teoremiyle bulunan x sayısından alınır: m = ∛x.");
inline constexpr const char* hastadBelowProduct = RSA_TEXT(
    "rsa", "x, N = n₁ · n₂ · n₃ = {0} sayısından küçük olmalı: Çin kalan teoremi N'den küçük tek "
           "bir x verir.");

// Hints: the next step of the method with the task's own numbers.
inline constexpr const char* hintN = RSA_TEXT("rsa", "n = p · q = {0} × {1}: iki asalı çarpın.");
inline constexpr const char* hintPhi =
    RSA_TEXT("rsa", "Euler φ fonksiyonu: φ(n) = (p − 1)(q − 1) = {0} × {1}.");
inline constexpr const char* hintD = RSA_TEXT(
    "rsa", "Genişletilmiş Öklid algoritması φ = {0} ve e = {1} ile başlar. İlk adım: {0} = {2} × "
           "{1} + {3}, yani bölüm {2}, sonraki kalan {3}. Kalan 0 olana kadar sürdürün; son t "
           "değerinden d = t mod φ.");
// {0} is the symbol asked for, {1} the one that must be found first.
inline constexpr const char* hintNeedsFirst =
    RSA_TEXT("rsa", "{0} için önce {1} gerekli: önce o kutuyu doğru yanıtlayın.");
// {0} = {1}{2} mod {3}; {4} is the exponent in binary, {5} the first rows.
inline constexpr const char* hintPower =
    RSA_TEXT("rsa", "{0} = {1}{2} mod {3}, kare al ve çarp yöntemiyle: üs ikili yazılır, {4}; x = "
                    "1 ile başlanır. {5} Sonraki bitlerle sürdürün.");
// One row of the square-and-multiply table.
inline constexpr const char* hintPowerRow =
    RSA_TEXT("rsa", "Adım {0}, bit {1}: x² = {2}, x² mod n = {3}, x · taban = {4}, yeni x = {5}.");
inline constexpr const char* hintP =
    RSA_TEXT("rsa", "Deneme bölmesi: n = {0} sayısını 2 ile, sonra 3, 5, 7, 9, … tek sayılarıyla "
                    "sırayla bölün; en geç √n ≈ {1} sayısında bir bölen bulunur.");
inline constexpr const char* hintQ =
    RSA_TEXT("rsa", "q = n / p: n = {0} sayısını bulduğunuz p = {1} ile bölün.");

// Hints of the attacks.
inline constexpr const char* hintFermatA = RSA_TEXT(
    "rsa", "Fermat yöntemi: n = {0} için a = ⌈√n⌉ ile başlayın (√n ≈ {1}); a² − n bir tam kare "
           "olana kadar a sayısını birer artırın.");
inline constexpr const char* hintFermatB = RSA_TEXT("rsa", "b = √(a² − n) = √({0}² − {1}) = √{2}.");
inline constexpr const char* hintFermatP =
    RSA_TEXT("rsa", "n = (a − b)(a + b): p = a − b = {0} − {1}.");
inline constexpr const char* hintFermatQ =
    RSA_TEXT("rsa", "n = (a − b)(a + b): q = a + b = {0} + {1}.");

inline constexpr const char* hintSharedG = RSA_TEXT(
    "rsa", "Her çiftin ebob sayısını Öklid algoritmasıyla bulun: ebob({0}, {1}), ebob({0}, {2}), "
           "ebob({1}, {2}); 1'den büyük çıkan ebob ortak asaldır.");
// {0} is a or b, {1} its key's modulus, {2} the shared prime.
inline constexpr const char* hintSharedOther =
    RSA_TEXT("rsa", "{0} = n / g = {1} / {2}: anahtarın modülünü ortak asala bölün.");

// {0} is the block's symbol (m₁), {1} its cipher block, {2} n.
inline constexpr const char* hintSmallE =
    RSA_TEXT("rsa", "{0}³ = {1} < n = {2}: mod n hiç indirgenmedi, bu yüzden {0} = ∛{1}. Tam "
                    "sayı küp kökünü bulun: hangi sayının küpü {1}?");

inline constexpr const char* hintCommonX = RSA_TEXT(
    "rsa", "x = e₁⁻¹ mod e₂ = {0}⁻¹ mod {1}: genişletilmiş Öklid algoritmasıyla bulun; e₁ · x "
           "mod e₂ = 1 ve 0 < x < e₂ olmalı.");
inline constexpr const char* hintCommonY =
    RSA_TEXT("rsa", "y = (1 − e₁ · x) / e₂ = (1 − {0} · {1}) / {2}; y negatif çıkar.");
inline constexpr const char* hintCommonInverse = RSA_TEXT(
    "rsa", "c₂⁻¹ = {0}⁻¹ mod {1}: genişletilmiş Öklid algoritmasını n = {1} ve c₂ = {0} ile "
           "çalıştırın; c₂ · c₂⁻¹ mod n = 1 olmalı.");
// {0}{1} · {2}{3} mod {4}: the exponents are superscripts.
inline constexpr const char* hintCommonM = RSA_TEXT(
    "rsa", "m = c₁ˣ · (c₂⁻¹)^|y| mod n = {0}{1} · {2}{3} mod {4}: iki kuvveti kare al ve çarp "
           "yöntemiyle alın, sonra çarpıp mod n'ye göre indirgeyin.");

// {2} lists the first partial quotients.
inline constexpr const char* hintWienerConvergents = RSA_TEXT(
    "rsa", "e/n = {0}/{1} kesrini sürekli kesre açın; ilk kısmi bölümler {2}, … Her yakınsak k/d "
           "için φ = (e · d − 1) / k tam sayı mı, x² − (n − φ + 1)x + n = 0 tam kök veriyor mu, "
           "bakın.");
inline constexpr const char* hintWienerPhi =
    RSA_TEXT("rsa", "φ = (e · d − 1) / k = ({0} · {1} − 1) / {2}.");
inline constexpr const char* hintWienerP =
    RSA_TEXT("rsa", "p + q = n − φ + 1 = {0} − {1} + 1 = {2} ve p · q = n: p ile q, x² − {2}x + "
                    "{0} = 0 denkleminin kökleridir.");

inline constexpr const char* hintHastadX = RSA_TEXT(
    "rsa", "Çin kalan teoremi: N = n₁ · n₂ · n₃ = {0}. Her i için Nᵢ = N / nᵢ ve onun mod nᵢ tersi "
           "bulunur; x = Σ cᵢ · Nᵢ · (Nᵢ⁻¹ mod nᵢ) mod N. İlk terim için N₁ = {1}.");
inline constexpr const char* hintHastadM =
    RSA_TEXT("rsa", "x = m³ < N olduğundan m = ∛x = ∛{0}: tam sayı küp kökünü bulun.");

// The window.
inline constexpr const char* windowTitle = RSA_TEXT("rsa", "Alıştırma");
inline constexpr const char* levelLabel = RSA_TEXT("rsa", "Düzey:");
inline constexpr const char* levelKolay = RSA_TEXT("rsa", "kolay");
inline constexpr const char* levelOrta = RSA_TEXT("rsa", "orta");
inline constexpr const char* levelZor = RSA_TEXT("rsa", "zor");
inline constexpr const char* newTaskButton = RSA_TEXT("rsa", "Yeni görev");
inline constexpr const char* attackerButton = RSA_TEXT("rsa", "Saldırgan ol");
inline constexpr const char* codeLabel = RSA_TEXT("rsa", "Görev kodu:");
inline constexpr const char* openCodeButton = RSA_TEXT("rsa", "Aç");
inline constexpr const char* teacherButton = RSA_TEXT("rsa", "Öğretmen görünümü");
// {0} is the code, {1} the level.
inline constexpr const char* taskTitle = RSA_TEXT("rsa", "Görev {0} ({1})");
inline constexpr const char* attackerTitle = RSA_TEXT("rsa", "Saldırganın görevi {0} ({1})");
// {2} is the attack's name.
inline constexpr const char* attackTitle = RSA_TEXT("rsa", "{2}: görev {0} ({1})");
// The first choice beside "Saldırgan ol", before the attacks' names.
inline constexpr const char* factoringChoice = RSA_TEXT("rsa", "Deneme bölmesi");
inline constexpr const char* taskIntro =
    RSA_TEXT("rsa", "Anahtarı kurun, m bloğunu şifreleyin ve c′ bloğunun şifresini çözün.");
inline constexpr const char* attackerIntro = RSA_TEXT(
    "rsa", "Yalnız açık anahtar (e, n) ve üç şifreli blok belli: n sayısını çarpanlarına ayırın, "
           "özel üs d sayısını bulun ve blokların şifresini çözün.");
inline constexpr const char* fermatIntro = RSA_TEXT(
    "rsa", "n sayısının iki asal çarpanı birbirine yakın. Fermat yöntemiyle a² − n sayısını tam "
           "kare yapan ilk a sayısını ve b = √(a² − n) sayısını bulun; n = (a − b)(a + b).");
inline constexpr const char* sharedIntro = RSA_TEXT(
    "rsa", "Üç açık anahtarın n₁, n₂, n₃ modüllerinden ikisi bir asal çarpanı paylaşıyor. Ortak "
           "asal g sayısını ebob ile bulun, sonra bu iki anahtarın öteki asallarını: a, numarası "
           "küçük anahtarınki, b öbürününki.");
inline constexpr const char* smallEIntro = RSA_TEXT(
    "rsa", "e = 3 ve dolgu yok: üç kısa ileti o kadar küçük ki m³ < n; şifreleme hiç mod n "
           "indirgemesi yapmadı. Her şifreli bloğun tam sayı küp kökünü alarak iletileri bulun.");
inline constexpr const char* commonIntro = RSA_TEXT(
    "rsa", "Aynı ileti m, aynı n ile ama iki farklı açık üsle (e₁, e₂) şifrelenmiş. e₁x + e₂y = 1 "
           "olan x ve y katsayılarını bulun; m = c₁ˣ · c₂ʸ mod n, negatif y için c₂ yerine tersi "
           "c₂⁻¹ kullanılır.");
inline constexpr const char* wienerIntro = RSA_TEXT(
    "rsa", "Özel üs d çok küçük seçilmiş: d < n^¼ / 3. Bu yüzden k/d, e/n kesrinin sürekli kesir "
           "yakınsaklarından biridir. Onu bulun, φ = (e · d − 1) / k ile φ sayısını, sonra x² − "
           "(n − φ + 1)x + n = 0 denkleminden p ve q asallarını bulun.");
inline constexpr const char* hastadIntro = RSA_TEXT(
    "rsa", "Aynı ileti m, e = 3 ile üç alıcının n₁, n₂, n₃ modülleriyle dolgusuz şifrelenmiş. Çin "
           "kalan teoremiyle x mod nᵢ = cᵢ olan x < n₁ · n₂ · n₃ sayısını bulun: x = m³ olur, m "
           "onun küp köküdür.");
// Beside each answer's box: the formula (symbols, not translated), in the
// order of exercise::Answer; p and q are named in words.
inline constexpr const char* answerFormulas[] = {
    "n = p · q", "φ = (p − 1)(q − 1)", "d = e⁻¹ mod φ",  "c = mᵉ mod n",  "r = c′ᵈ mod n", "",
    "",          "m₁ = c₁ᵈ mod n",     "m₂ = c₂ᵈ mod n", "m₃ = c₃ᵈ mod n"};
inline constexpr const char* fermatCaptions[] = {"a: a² − n = b²", "b = √(a² − n)", "p = a − b",
                                                 "q = a + b"};
inline constexpr const char* sharedCaptions[] = {
    "g = ebob(nᵢ, nⱼ)", RSA_TEXT("rsa", "a (ilk anahtarın öteki asalı)"),
    RSA_TEXT("rsa", "b (ikinci anahtarın öteki asalı)")};
inline constexpr const char* smallECaptions[] = {"m₁ = ∛c₁", "m₂ = ∛c₂", "m₃ = ∛c₃"};
inline constexpr const char* commonCaptions[] = {"x = e₁⁻¹ mod e₂", "y = (1 − e₁x) / e₂",
                                                 "c₂⁻¹ mod n", "m = c₁ˣ · (c₂⁻¹)^|y| mod n"};
inline constexpr const char* hastadCaptions[] = {"x: x mod nᵢ = cᵢ, x < n₁n₂n₃", "m = ∛x"};
inline constexpr const char* smallerFactor = RSA_TEXT("rsa", "p (küçük çarpan)");
inline constexpr const char* largerFactor = RSA_TEXT("rsa", "q (büyük çarpan)");
inline constexpr const char* wienerCaptions[] = {
    "k: e/n ≈ k/d", "d: e/n ≈ k/d", "φ = (e · d − 1) / k", smallerFactor, largerFactor};
inline constexpr const char* checkButton = RSA_TEXT("rsa", "Kontrol");
inline constexpr const char* hintButton = RSA_TEXT("rsa", "İpucu");
inline constexpr const char* rightMark = RSA_TEXT("rsa", "✓ Doğru");
inline constexpr const char* revealedMark = RSA_TEXT("rsa", "Gösterildi: {0}");
inline constexpr const char* solutionButton = RSA_TEXT("rsa", "Çözümü göster");
inline constexpr const char* solutionTitle = RSA_TEXT("rsa", "Çözüm: görev {0}");
inline constexpr const char* scoreLine =
    RSA_TEXT("rsa", "Doğru: {0} / {1}    Deneme: {2}    Gösterilen: {3}");
inline constexpr const char* resultLine = RSA_TEXT("rsa", "Sonuç kodu: {0}");
inline constexpr const char* teacherResult =
    RSA_TEXT("rsa", "Sonuç kodu (bütün cevaplar doğru olunca): {0}");
inline constexpr const char* teacherResultAfterReveal =
    RSA_TEXT("rsa", "Çözüm gösterildikten sonra bulunursa sonuç kodu: {0}");

// The command line.
inline constexpr const char* exerciseOption =
    RSA_TEXT("rsa", "Alıştırma penceresini açar; bir görev kodu verilirse o görevi.");
inline constexpr const char* codeArgument = RSA_TEXT("rsa", "KOD");
inline constexpr const char* codeArgumentHelp =
    RSA_TEXT("rsa", "Alıştırmada açılacak görevin kodu (--alistirma ile).");
inline constexpr const char* levelOption =
    RSA_TEXT("rsa", "Yeni görevin düzeyi: kolay, orta ya da zor (verilmezse kolay).");
inline constexpr const char* levelValue = RSA_TEXT("rsa", "düzey");
inline constexpr const char* attackerOption =
    RSA_TEXT("rsa", "Yeni görev saldırganın görevi olur: n çarpanlarına ayrılır.");
inline constexpr const char* teacherOption =
    RSA_TEXT("rsa", "Görevi bütün cevapları ve sonuç koduyla gösterir (öğretmen görünümü).");
// {0} lists the attacks' names.
inline constexpr const char* attackOption = RSA_TEXT(
    "rsa",
    "Alıştırmada elle yapılacak saldırı: {0}. --alistirma --saldirgan ile aynı pencereyi açar.");
inline constexpr const char* attackValue = RSA_TEXT("rsa", "saldırı");
inline constexpr const char* unknownAttack =
    RSA_TEXT("rsa", "Bilinmeyen saldırı '{0}'; alıştırmadaki saldırılar: {1}.");
inline constexpr const char* unknownLevel =
    RSA_TEXT("rsa", "Bilinmeyen düzey '{0}'; düzeyler: kolay, orta, zor.");

} // namespace rsa::texts::exercise
