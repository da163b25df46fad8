// The main window's page: the simple and advanced views, the settings menu, the display scale,
// and the two functions Kavo runs once the page has loaded.
"use strict";

const MainScreen = (() => {
    // The window size of each view at the normal scale; the page scales it and asks Kavo for it.
    const SIZES = {
        simple: { width: 520, height: 500 },
        advanced: { width: 840, height: 600 },
    };

    // The settings pages of the menu, by group. The title is the page's name everywhere:
    // in the menu, in the hidden-pages list and for "open page", unless the page has a
    // shorter name for the last two.
    const PAGES = [
        { group: "Colors", title: "Blue light", file: "blue_light_page.html" },
        { group: "Colors", title: "Color Temperature", file: "color_temperature_page.html" },
        { group: "Colors", title: "Brightness", file: "brightness_page.html" },
        { group: "Colors", title: "Sleep", file: "sleep_page.html" },
        { group: "Colors", title: "Color Scheme", file: "color_scheme_page.html" },
        { group: "Colors", title: "Screen effects", file: "screen_effects_page.html" },
        { group: "Colors", title: "Saturation", file: "saturation_page.html" },
        { group: "Schedule", title: "Location", file: "location_page.html" },
        { group: "Schedule", title: "Transition", file: "transition_page.html" },
        { group: "Schedule", title: "Moon", file: "moon_page.html" },
        { group: "Screen", title: "Manage monitors", file: "manage_monitors_page.html" },
        { group: "Screen", title: "Magnification", file: "magnification_page.html" },
        { group: "Screen", title: "PWM control", file: "pwm_control_page.html" },
        { group: "Sensors", title: "Artificial intelligence (AI)", name: "AI",
          file: "artificial_intelligence_page.html" },
        { group: "Breaks", title: "Timer", file: "timer_page.html" },
        { group: "Breaks", title: "Rest screen", file: "rest_screen_page.html" },
        { group: "Breaks", title: "Exercises", file: "exercises_page.html" },
        { group: "Overlays", title: "Screen overlay", file: "overlay_screen_page.html" },
        { group: "Overlays", title: "Lightness", file: "lightness_screen_page.html" },
        { group: "Applications", title: "Color pausers", file: "color_pausers_page.html" },
        { group: "Applications", title: "Timer pausers", file: "timer_pausers_page.html" },
        { group: "Applications", title: "Mouse pausers", file: "mouse_pausers_page.html" },
        { group: "Applications", title: "Color triggers", file: "color_triggers_page.html" },
        { group: "Input", title: "Shortcuts", file: "shortcuts_page.html" },
        { group: "Input", title: "Auto clicker", file: "auto_clicker_page.html" },
        { group: "Kavo", title: "Settings", file: "settings_page.html" },
        { group: "Kavo", title: "System", file: "system_page.html" },
        { group: "Kavo", title: "CPU", file: "cpu_page.html" },
        { group: "Kavo", title: "GPU", file: "gpu_page.html" },
        { group: "Kavo", title: "Fonts", file: "fonts_page.html" },
        { group: "Kavo", title: "Language", file: "language_page.html" },
        { group: "Kavo", title: "Automatic Updates", file: "automatic_updates_page.html" },
        { group: "Kavo", title: "Debug", file: "debug_page.html" },
        { group: "Kavo", title: "About", file: "about_page.html" },
        { group: "Kavo", title: "Hidden features", file: "hidden_features_page.html" },
    ];

    const MONITOR_TABS = 4;

    let advanced = false;
    let scale = 1;
    let currentPage = null;
    let choosingPages = false;
    let hiddenPages = [];
    // Until Kavo publishes the monitor list, one tab: never tabs for monitors that are not there.
    let screenCount = 1;

    const byId = (id) => document.getElementById(id);

    // ---- Display scale and window size ----

    function readScale() {
        if (Kavo.call("is_retina_display")) return 2;
        if (Kavo.call("is_1920_display")) return 1.5;
        return 1;
    }

    function windowSize() {
        const size = advanced ? SIZES.advanced : SIZES.simple;
        return { width: Math.round(size.width * scale), height: Math.round(size.height * scale) };
    }

    function applyScale() {
        scale = readScale();
        document.documentElement.style.zoom = scale;
        const size = windowSize();
        Kavo.call("refresh_size", size.width, size.height);
    }

    // ---- Views ----

    function showView(isAdvanced) {
        advanced = isAdvanced;
        byId("simple-view").hidden = advanced;
        byId("advanced-view").hidden = !advanced;
        byId("simple-tab").classList.toggle("selected", !advanced);
        byId("advanced-tab").classList.toggle("selected", advanced);
        document.body.classList.toggle("advanced", advanced);
        if (advanced && !currentPage) openFirstPage();
    }

    // The user switches views: Kavo stores the choice and applies the view's colours.
    function chooseView(isAdvanced) {
        if (isAdvanced === advanced) return;
        showView(isAdvanced);
        const size = windowSize();
        Kavo.call("use_advanced_settings_changed", advanced, size.width, size.height);
        Kavo.call("register_analytics_event", "Main window", "Choose view",
            advanced ? "Advanced" : "Simple", "");
    }

    // Kavo tells the view to show: only the size follows.
    function receiveView(isAdvanced) {
        showView(!!isAdvanced);
        const size = windowSize();
        Kavo.call("refresh_size", size.width, size.height);
    }

    // ---- Simple view ----

    function selectIn(container, attribute, value) {
        Kavo.all(container, "[" + attribute + "]").forEach((button) => {
            button.classList.toggle("selected", Number(button.getAttribute(attribute)) === value);
        });
    }

    function setupChoices() {
        const modes = byId("mode-choice");
        modes.addEventListener("click", (event) => {
            const mode = event.target.getAttribute("data-mode");
            if (mode === null) return;
            selectIn(modes, "data-mode", Number(mode));
            Kavo.call("kavo_mode_changed_force", Number(mode), false);
        });
        const types = byId("type-choice");
        types.addEventListener("click", (event) => {
            const type = event.target.getAttribute("data-type");
            if (type === null) return;
            selectIn(types, "data-type", Number(type));
            Kavo.call("kavo_type_changed_force", Number(type), false);
        });
    }

    // "until rest" is one text, not "until" and "rest": a translator orders it as the language
    // needs. Kavo sends the pieces; the phase word tells which text it is.
    let timerResting = false;

    // Called every second: a text written again unchanged would still repaint the window.
    function showText(id, text) {
        const element = byId(id);
        if (element.textContent !== text) element.textContent = text;
    }

    function showRemainingTime(remaining, resting) {
        timerResting = resting;
        showText("remaining-time", remaining);
        showText("remaining-until", Kavo.tr(resting ? "until work" : "until rest"));
    }

    // ---- Monitor tabs ----

    // The same monitor tabs show in both views.
    function monitorTabBars() {
        return Kavo.all(document, ".monitor-tabs");
    }

    function selectMonitorTab() {
        monitorTabBars().forEach((tabs) =>
            selectIn(tabs, "data-monitor-tab", Kavo.activeMonitor())
        );
    }

    function buildMonitorTabs() {
        const count = Math.max(1, Math.min(MONITOR_TABS, screenCount));
        monitorTabBars().forEach((tabs) => {
            tabs.innerHTML = "";
            for (let monitor = 1; monitor <= count; ++monitor) {
                const tab = document.createElement("button");
                tab.setAttribute("data-monitor-tab", monitor);
                tab.textContent = Kavo.tr("Monitor %1").replace("%1", monitor);
                tabs.appendChild(tab);
            }
        });
        selectMonitorTab();
    }

    function showMonitorTabs(perMonitor) {
        monitorTabBars().forEach((tabs) => {
            tabs.hidden = !perMonitor;
        });
        const wanted = perMonitor ? Math.max(1, Kavo.activeMonitor()) : 0;
        if (wanted !== Kavo.activeMonitor()) Kavo.setActiveMonitor(wanted);
        selectMonitorTab();
    }

    function setupMonitorTabs() {
        monitorTabBars().forEach((tabs) =>
            tabs.addEventListener("click", (event) => {
                const monitor = event.target.getAttribute("data-monitor-tab");
                if (monitor === null) return;
                Kavo.setActiveMonitor(Number(monitor));
                selectMonitorTab();
            })
        );
        buildMonitorTabs();
        Kavo.watch("use_per_monitor_settings", showMonitorTabs);
    }

    // ---- Advanced view: menu and pages ----

    function pageName(page) {
        return page.name || page.title;
    }

    function isHidden(page) {
        return hiddenPages.some((name) => String(name).toLowerCase() === pageName(page).toLowerCase());
    }

    function buildMenu() {
        const menu = byId("menu-items");
        menu.innerHTML = "";
        let group = null;
        PAGES.forEach((page) => {
            const hidden = isHidden(page);
            if (hidden && !choosingPages) return;
            if (page.group !== group) {
                group = page.group;
                const heading = document.createElement("div");
                heading.className = "menu-group";
                heading.textContent = Kavo.tr(group);
                menu.appendChild(heading);
            }
            menu.appendChild(menuItem(page, hidden));
        });
        byId("menu-edit").textContent = Kavo.tr(choosingPages ? "Done" : "Choose pages");
        byId("menu-edit").classList.toggle("selected", choosingPages);
    }

    function menuItem(page, hidden) {
        const item = document.createElement("button");
        item.className = "menu-item";
        item.setAttribute("data-page", page.title);
        item.classList.toggle("current", currentPage === page);
        item.classList.toggle("hidden-page", hidden);
        const label = document.createElement("span");
        label.textContent = Kavo.tr(page.title);
        item.appendChild(label);
        if (choosingPages) {
            const mark = document.createElement("span");
            mark.className = "visibility";
            mark.textContent = hidden ? Kavo.tr("hidden") : Kavo.tr("shown");
            item.appendChild(mark);
        }
        item.addEventListener("click", () => {
            if (choosingPages) toggleHidden(page, hidden);
            else openPage(page);
        });
        return item;
    }

    function toggleHidden(page, hidden) {
        if (hidden) Kavo.call("remove_unused_page", pageName(page));
        else Kavo.call("add_unused_page", pageName(page));
    }

    function refreshHiddenPages() {
        const pages = Kavo.call("get_unused_pages");
        hiddenPages = Array.isArray(pages) ? pages : [];
        buildMenu();
    }

    function findPage(name) {
        const wanted = String(name).toLowerCase().replace(/_page\.html$|\.html$/, "");
        return PAGES.find(
            (page) =>
                page.title.toLowerCase() === wanted ||
                pageName(page).toLowerCase() === wanted ||
                page.file.replace(/_page\.html$/, "") === wanted.replace(/ /g, "_")
        );
    }

    function openFirstPage() {
        const visible = PAGES.filter((page) => !isHidden(page));
        openPage(visible.length ? visible[0] : PAGES[0]);
    }

    function openPage(page) {
        currentPage = page;
        buildMenu();
        Kavo.call("register_analytics_page_view", page.file, page.title);
        const request = new XMLHttpRequest();
        request.open("GET", "pages/" + page.file);
        request.onload = () => {
            if (currentPage === page) showPage(page, request.responseText);
        };
        request.onerror = () => Kavo.call("log", "Page not found: " + page.file);
        request.send();
    }

    function showPage(page, html) {
        const holder = document.createElement("div");
        holder.innerHTML = html;
        const content = holder.querySelector(".page");
        const host = byId("page-host");
        host.innerHTML = "";
        if (!content) {
            Kavo.call("log", "Page without content: " + page.file);
            return;
        }
        host.appendChild(content);
        Kavo.attach(content);
        host.scrollTop = 0;
        const onOpen = content.getAttribute("data-on-open");
        if (onOpen) Kavo.call(onOpen);
    }

    // Kavo asks for a page ("open location page"): its title or its file name.
    function openNamedPage(name) {
        if (!name) return;
        const page = findPage(name);
        if (!page) return;
        if (!advanced) chooseView(true);
        openPage(page);
        Kavo.call("reset_page_to_open");
    }

    // ---- Start ----

    function setupButtons() {
        byId("close-button").addEventListener("click", () => Kavo.call("close_clicked"));
        byId("minimize-button").addEventListener("click", () => Kavo.call("minimize_clicked"));
        byId("save-and-close").addEventListener("click", () => Kavo.call("save_and_close_clicked"));
        byId("advanced-save-and-close").addEventListener("click", () =>
            Kavo.call("save_and_close_clicked")
        );
        byId("use-advanced").addEventListener("click", () => chooseView(true));
        byId("simple-tab").addEventListener("click", () => chooseView(false));
        byId("advanced-tab").addEventListener("click", () => chooseView(true));
        byId("simple-view-button").addEventListener("click", () => chooseView(false));
        byId("change-location").addEventListener("click", () => openNamedPage("Location"));
        byId("menu-edit").addEventListener("click", () => {
            choosingPages = !choosingPages;
            buildMenu();
        });
    }

    function connect() {
        Kavo.connect();
        Kavo.listen("set_use_advanced_settings", receiveView);
        Kavo.listen("set_kavo_mode_dropdown_value", (mode) =>
            selectIn(byId("mode-choice"), "data-mode", mode)
        );
        Kavo.listen("set_kavo_mode_dropdown_value_ui", (mode) =>
            selectIn(byId("mode-choice"), "data-mode", mode)
        );
        Kavo.listen("set_kavo_type_dropdown_value", (type) =>
            selectIn(byId("type-choice"), "data-type", type)
        );
        Kavo.listen("set_kavo_type_dropdown_value_ui", (type) =>
            selectIn(byId("type-choice"), "data-type", type)
        );
        Kavo.listen("set_remaining_time", (remaining, until, phase) =>
            showRemainingTime(remaining, phase === Kavo.tr("work"))
        );
        // A blank message: the timer counts nothing now.
        Kavo.listen("set_timer_message", (message) =>
            showRemainingTime(String(message).trim() || "--:--", false)
        );
        Kavo.listen("set_screen_count", (count) => {
            screenCount = count;
            buildMonitorTabs();
        });
        Kavo.listen("open_page", openNamedPage);
        Kavo.listen("refresh_unused_pages_signal", refreshHiddenPages);
        Kavo.listen("refresh_ui_scale", applyScale);
        Kavo.listen("translate", () => {
            Kavo.translate(document);
            showRemainingTime(byId("remaining-time").textContent, timerResting);
            buildMonitorTabs();
            buildMenu();
        });
    }

    function loadFinished() {
        setupButtons();
        setupChoices();
        setupMonitorTabs();
        Kavo.attach(document.getElementById("window"));
        refreshHiddenPages();
        applyScale();
        Kavo.setActiveMonitor(Kavo.value("use_per_monitor_settings") ? 1 : 0);
        Kavo.call("open_kavo_after_load_finished");
    }

    return { connect, loadFinished, openNamedPage, PAGES };
})();

// Run by Kavo once the page has loaded: connect to Kavo's signals first...
function connect_signals_and_slots() {
    MainScreen.connect();
}

// ...then, with the settings published, finish the page and tell Kavo it is ready.
function kavo_load_finished() {
    MainScreen.loadFinished();
}

// Kavo can drive the screen's gamma: the options that need it become available.
function enable_all_gamma_options() {
    Kavo.all(document, "[data-gamma-option]").forEach((control) => {
        control.disabled = false;
    });
}

// The application in front, as the pausers pages show it.
function set_current_active_process(name) {
    Kavo.showText("current_active_process", name);
}
