#pragma once
// Every control kind of the forms layer. Setting a value from code raises the
// same event a user's action does; the user* members are the user's actions,
// run through the dispatcher like any event from the window system.
#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_view.h"
#include "platform/forms/menu.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/rich_text_box.h"
#include "platform/forms/status_bar.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
#include "platform/forms/web_browser.h"
