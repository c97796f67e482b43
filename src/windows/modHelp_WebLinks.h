// Web links: each procedure hands one fixed page of the maker's sites to the
// shell, which opens it in the default browser; when it cannot, the user is told
// with the address.
#pragma once

#include <QString>

// The maker's home page: the bare web-site address (also shown in link captions
// and given to the location lookup).
QString HomePageAddress();

void OpenHomePage();
void OpenOnlineHelpPage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullBrandPage();
void OpenSoftwareCataloguePage();
