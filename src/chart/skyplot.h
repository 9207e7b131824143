// The star chart driver.
#pragma once

// Acts on a chart key and redraws the chart when needed. Returns 0.
int drawskyplot(int key);
