// The language of Kavo's texts, by Kavo's language code ("de", "jp", ...).
Kavo.bind({
    setting: "language",
    kind: "choice",
    text: true,
    slot: "language_changed",
    signal: "set_language_dropdown_value",
});

// The page reads the way its language does: Arabic from right to left.
Kavo.watch("language", (code) => {
    const LANGUAGE_TAGS = { ae: "ar", cn: "zh-CN", cz: "cs", gr: "el", jp: "ja", kr: "ko", ua: "uk" };
    document.documentElement.lang = LANGUAGE_TAGS[code] || code;
    document.documentElement.dir = code === "ae" ? "rtl" : "ltr";
});
