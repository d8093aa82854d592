// The studio server's API. Refusals carry a message the page shows.

export class ApiError extends Error {
  constructor(status, body) {
    super(body && body.error ? body.error : `the server answered ${status}`);
    this.status = status;
    this.problems = (body && body.problems) || [];
    this.field = body && body.field;
  }
}

async function refusal(response) {
  let body = null;
  try { body = await response.json(); } catch { /* not JSON */ }
  return new ApiError(response.status, body);
}

export async function getJson(path) {
  const response = await fetch(path);
  if (!response.ok) throw await refusal(response);
  return response.json();
}

function post(path, body, signal) {
  return fetch(path, {
    method: 'POST',
    headers: { 'Content-Type': 'application/json' },
    body: JSON.stringify(body),
    signal,
  });
}

// Validation answers 422 with the problems of an invalid theme; both
// answers are results here.
export async function validate(theme) {
  const response = await post('/api/validate', { theme });
  if (response.status === 200 || response.status === 422) return response.json();
  throw await refusal(response);
}

// { url, layout } of a rendered PNG; the caller revokes the URL.
export async function render(request, signal) {
  const response = await post('/api/render', request, signal);
  if (!response.ok) throw await refusal(response);
  const layout = JSON.parse(response.headers.get('X-Glavo-Layout') || '[]');
  return { url: URL.createObjectURL(await response.blob()), layout };
}

export async function swatches(record, kind, width, height) {
  const response = await post('/api/swatches', { record, kind, width, height });
  if (!response.ok) throw await refusal(response);
  return URL.createObjectURL(await response.blob());
}
