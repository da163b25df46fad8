// When the chosen screen effect shows: at once, or (where the desktop cannot show it live) on a
// picture of the screen after two quiet seconds, until the next key or mouse move.
Kavo.bind({
    setting: "color_effect_shown",
    control: {
        attach() {},
        render(element) {
            const effect = Number(Kavo.value("color_effect"));
            if (!effect) {
                element.textContent = "";
                return;
            }
            const live = !!Kavo.call("is_color_effect_live", effect);
            element.textContent = Kavo.tr(live
                ? "This effect shows at once."
                : "This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.");
            element.classList.toggle("live", live);
        },
    },
});
