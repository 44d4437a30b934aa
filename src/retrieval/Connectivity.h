#pragma once

// True when the machine has a route out: a default route in the kernel's IPv4 or IPv6 table.
// Stands in for the dial-up check: an offline machine is told so instead of failing every page.
bool hasNetworkRoute();
