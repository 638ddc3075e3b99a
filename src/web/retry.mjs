// What the first board needs is asked for again when a request fails, as a
// phone on a train loses one now and then: a few times, after a short and
// growing wait. Resolves as the first try that succeeds, or rejects as the
// last one failed.
const WAITS_MS = [250, 500, 1000];

export async function retried(attempt) {
  for (const wait of WAITS_MS) {
    try {
      return await attempt();
    } catch {
      await new Promise(resolve => setTimeout(resolve, wait));
    }
  }
  return attempt();
}
