#pragma once

// Registers Kavo to start with the user's session (true) or removes the registration (false).
// The entry holds the quoted program path and is written only when missing or different.
void set_start_on_startup(bool start);
