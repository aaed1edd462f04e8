#pragma once

// Every address the program reaches outside itself, in one place.

namespace Links {

// The weekly update query; the answer is a hexadecimal version number.
const char *const UPDATE_ENDPOINT = "https://updates.sorvel-numerology.org/sorvelupd.php";
const char *const HELP_PAGE = "https://sorvel-numerology.org/help/";
const char *const PRODUCT_PAGE = "https://sorvel-numerology.org/";
const char *const DOWNLOAD_PAGE = "https://sorvel-numerology.org/download/";
const char *const SUPPORT_ADDRESS = "support@sorvel-numerology.org";
// The platform the support mail's subject names.
const char *const PLATFORM_NAME = "Linux";

} // namespace Links
