wire inc;
